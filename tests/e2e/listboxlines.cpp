// Prints the lines of each shown list box that is a window of its own (not
// a dialog's control), one line each in UTF-8, as a person reads them.
#include <windows.h>

#include <string>

namespace {

void Print(const std::wstring& line) {
    const std::wstring text = line + L"\n";
    const int nBytes =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(nBytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), nBytes, nullptr, nullptr);
    DWORD nWritten = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &nWritten, nullptr);
}

BOOL CALLBACK PrintListLines(HWND hWnd, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(hWnd, className, 16);
    if (lstrcmpiW(className, L"ListBox") != 0 || IsWindowVisible(hWnd) == FALSE) return TRUE;
    const LRESULT nLines = SendMessageW(hWnd, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < nLines; ++i) {
        std::wstring line(static_cast<std::size_t>(SendMessageW(hWnd, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        line.resize(static_cast<std::size_t>(SendMessageW(hWnd, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
        Print(line);
    }
    return TRUE;
}

}  // namespace

int wmain() {
    EnumWindows(PrintListLines, 0);
    return 0;
}
