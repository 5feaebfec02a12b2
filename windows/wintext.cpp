#include "windows/wintext.h"

#include "text/codec.h"

namespace sorvanta {

std::wstring WideOfUtf8(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int nSize = static_cast<int>(utf8.size());
    const int nWide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), nSize, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(nWide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), nSize, wide.data(), nWide);
    return wide;
}

std::string Utf8OfWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int nSize = static_cast<int>(wide.size());
    const int nBytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), nSize, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(nBytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), nSize, utf8.data(), nBytes, nullptr, nullptr);
    return utf8;
}

std::wstring WideOfText(std::string_view text, TextEncoding encoding) {
    return WideOfUtf8(ConvertText(text, encoding, TextEncoding::Utf8));
}

std::string TextOfWide(std::wstring_view wide, TextEncoding encoding) {
    return ConvertText(Utf8OfWide(wide), TextEncoding::Utf8, encoding);
}

std::wstring WindowText(HWND hWnd) {
    const int nLength = GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<std::size_t>(nLength) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hWnd, text.data(), nLength + 1)));
    return text;
}

std::wstring DlgItemText(HWND hDlg, int nId) {
    return WindowText(GetDlgItem(hDlg, nId));
}

}  // namespace sorvanta
