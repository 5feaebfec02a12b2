#include "text/filereading.h"

namespace sorvanta {

bool CTextLines::Next(std::string_view& line) {
    if (m_nPos >= m_text.size()) return false;
    std::size_t end = m_text.find('\n', m_nPos);
    const std::size_t next = end == std::string_view::npos ? m_text.size() : end + 1;
    if (end == std::string_view::npos)
        end = m_text.size();
    else if (end > m_nPos && m_text[end - 1] == '\r')
        --end;
    line = m_text.substr(m_nPos, end - m_nPos);
    m_nPos = next;
    return true;
}

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    CTextLines reader(text);
    for (std::string_view line; reader.Next(line);) lines.push_back(line);
    return lines;
}

}  // namespace sorvanta
