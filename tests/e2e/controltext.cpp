// Tells what a control of the shown windows says, as the person reads it:
// for each visible top-level window with a control of the given id, a line
// "TITLE<TAB>TEXT" in UTF-8.   controltext ID
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring TextOf(HWND hWnd) {
    wchar_t text[4096] = L"";
    DWORD_PTR nLength = 0;
    SendMessageTimeoutW(hWnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &nLength);
    return std::wstring(text, nLength);
}

void PutUtf8(const std::wstring& text) {
    std::string utf8(text.size() * 4, '\0');
    utf8.resize(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                     utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

BOOL CALLBACK TellControl(HWND hWnd, LPARAM nId) {
    const HWND hControl = GetDlgItem(hWnd, static_cast<int>(nId));
    if (!IsWindowVisible(hWnd) || hControl == nullptr) return TRUE;
    PutUtf8(TextOf(hWnd) + L"\t" + TextOf(hControl) + L"\n");
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    EnumWindows(TellControl, static_cast<LPARAM>(std::wcstol(argv[1], nullptr, 10)));
    return 0;
}
