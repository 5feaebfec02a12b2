#include "profile/profile.h"

#include "text/bytestring.h"
#include "text/filereading.h"

namespace sorvanta {

std::optional<CProfile> CProfile::Parse(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) return std::nullopt;
    CProfile profile;
    CProfileGroup* pGroup = &profile.m_arrGroups.front();
    CTextLines lines(text);
    for (std::string_view line; lines.Next(line);) {
        line = Trim(line);
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.back() != ']') return std::nullopt;
            pGroup = &profile.Group(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key =
            equals == std::string_view::npos ? std::string_view() : TrimRight(line.substr(0, equals));
        if (key.empty() || line.front() == ';' || line.front() == '#') {
            pGroup->AddOtherLine(line);
        } else {
            pGroup->AddWrittenValue(key, TrimLeft(line.substr(equals + 1)));
        }
    }
    return profile;
}

std::string CProfile::Text() const {
    std::string text;
    for (const CProfileGroup& group : m_arrGroups) {
        if (!text.empty()) text += '\n';
        group.AppendText(text);
    }
    return text;
}

std::size_t CProfile::FindGroupIndex(std::string_view name) const {
    const auto it = m_mapGroupOfName.find(name);
    return it == m_mapGroupOfName.end() ? m_arrGroups.size() : it->second;
}

const CProfileGroup* CProfile::FindGroup(std::string_view name) const {
    const std::size_t index = FindGroupIndex(name);
    return index < m_arrGroups.size() ? &m_arrGroups[index] : nullptr;
}

CProfileGroup& CProfile::Group(std::string_view name) {
    const std::size_t index = FindGroupIndex(name);
    if (index < m_arrGroups.size()) return m_arrGroups[index];
    m_mapGroupOfName.emplace(name, index);
    return m_arrGroups.emplace_back(std::string(name));
}

}  // namespace sorvanta
