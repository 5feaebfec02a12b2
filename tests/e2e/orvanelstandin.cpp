// A stand-in for the host program: each start adds a line to
// "orvanel-started.txt" beside the stand-in's own executable, and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path = path.substr(0, path.find_last_of(L'\\') + 1) + L"orvanel-started.txt";
    const HANDLE hFile = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return 1;
    DWORD nWritten = 0;
    WriteFile(hFile, "started\r\n", 9, &nWritten, nullptr);
    CloseHandle(hFile);
    return 0;
}
