#include "text/widepath.h"

#include <windows.h>

namespace sorvanta {

std::wstring WidePath(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int nSize = static_cast<int>(utf8.size());
    const int nWide = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), nSize, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), nSize, wide.data(), nWide);
    return wide;
}

std::string Utf8Path(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int nSize = static_cast<int>(wide.size());
    const int nUtf8 = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), nSize, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(nUtf8), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), nSize, utf8.data(), nUtf8, nullptr, nullptr);
    return utf8;
}

}  // namespace sorvanta
