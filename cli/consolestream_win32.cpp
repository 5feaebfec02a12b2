#include "cli/consolestream_win32.h"

#include <algorithm>

#include "text/widepath.h"

namespace sorvanta {

namespace {

constexpr DWORD kReadChunk = 4096;

// The length of the longest prefix that ends with a whole UTF-8 character.
std::size_t WholeCharacters(const std::string& strText) {
    std::size_t nStart = strText.size();
    for (int nBack = 0; nStart > 0 && nBack < 4; ++nBack) {
        const auto ch = static_cast<unsigned char>(strText[nStart - 1]);
        if (ch < 0x80) return strText.size();
        --nStart;
        if (ch >= 0xC0) {  // the lead byte of the last character
            const std::size_t nNeeded = ch >= 0xF0 ? 4 : ch >= 0xE0 ? 3 : 2;
            return strText.size() - nStart >= nNeeded ? strText.size() : nStart;
        }
    }
    return strText.size();  // stray continuation bytes: shown as they are
}

}  // namespace

bool IsConsole(HANDLE hStream) {
    DWORD nMode = 0;
    return hStream != INVALID_HANDLE_VALUE && hStream != nullptr && ::GetConsoleMode(hStream, &nMode);
}

CConsoleOutput::int_type CConsoleOutput::overflow(int_type ch) {
    if (!traits_type::eq_int_type(ch, traits_type::eof())) m_strPending += traits_type::to_char_type(ch);
    return traits_type::not_eof(ch);
}

std::streamsize CConsoleOutput::xsputn(const char* pText, std::streamsize nCount) {
    m_strPending.append(pText, static_cast<std::size_t>(nCount));
    return nCount;
}

int CConsoleOutput::sync() {
    const std::size_t nWhole = WholeCharacters(m_strPending);
    const std::wstring text = WidePath(std::string_view(m_strPending).substr(0, nWhole));
    m_strPending.erase(0, nWhole);
    for (std::size_t nDone = 0; nDone < text.size();) {
        DWORD nWritten = 0;
        const DWORD nChunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - nDone, kReadChunk));
        if (!::WriteConsoleW(m_hConsole, text.data() + nDone, nChunk, &nWritten, nullptr) || nWritten == 0) return -1;
        nDone += nWritten;
    }
    return 0;
}

CConsoleInput::int_type CConsoleInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    wchar_t buffer[kReadChunk];
    DWORD nRead = 0;
    if (!::ReadConsoleW(m_hConsole, buffer, kReadChunk, &nRead, nullptr) || nRead == 0) return traits_type::eof();
    m_strRead = Utf8Path(std::wstring_view(buffer, nRead));
    if (m_strRead.front() == '\x1a') return traits_type::eof();  // Ctrl+Z typed at a line's start ends the input
    setg(m_strRead.data(), m_strRead.data(), m_strRead.data() + m_strRead.size());
    return traits_type::to_int_type(*gptr());
}

}  // namespace sorvanta
