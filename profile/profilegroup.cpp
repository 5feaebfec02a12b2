#include "profile/profilegroup.h"

#include "profile/inivalue.h"

namespace sorvanta {

std::size_t CProfileGroup::FindLine(std::string_view key) const {
    const auto it = m_mapLineOfKey.find(key);
    return it == m_mapLineOfKey.end() ? m_arrLines.size() : it->second;
}

std::optional<std::string> CProfileGroup::Value(std::string_view key) const {
    const std::size_t index = FindLine(key);
    if (index == m_arrLines.size()) return std::nullopt;
    return UnescapeIniValue(m_arrLines[index].m_strWritten);
}

std::vector<std::pair<std::string, std::string>> CProfileGroup::Values() const {
    std::vector<std::pair<std::string, std::string>> values;
    for (const CLine& line : m_arrLines) {
        if (!line.m_strKey.empty()) values.emplace_back(line.m_strKey, UnescapeIniValue(line.m_strWritten));
    }
    return values;
}

void CProfileGroup::SetValue(std::string_view key, std::string_view value) {
    if (Value(key) == value) return;
    AddWrittenValue(key, EscapeIniValue(value));
}

void CProfileGroup::RemoveValues() {
    std::erase_if(m_arrLines, [](const CLine& line) { return !line.m_strKey.empty(); });
    m_mapLineOfKey.clear();
}

void CProfileGroup::AddWrittenValue(std::string_view key, std::string_view written) {
    const std::size_t index = FindLine(key);
    if (index < m_arrLines.size()) {
        m_arrLines[index].m_strWritten = written;
    } else {
        m_mapLineOfKey.emplace(key, m_arrLines.size());
        m_arrLines.push_back(CLine{std::string(key), std::string(written)});
    }
}

void CProfileGroup::AddOtherLine(std::string_view line) {
    m_arrLines.push_back(CLine{std::string(), std::string(line)});
}

void CProfileGroup::AppendText(std::string& text) const {
    if (!m_strName.empty()) text += '[' + m_strName + "]\n";
    for (const CLine& line : m_arrLines) {
        if (!line.m_strKey.empty()) text += line.m_strKey + '=';
        text += line.m_strWritten + '\n';
    }
}

}  // namespace sorvanta
