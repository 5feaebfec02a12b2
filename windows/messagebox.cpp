#include "windows/messagebox.h"

namespace sorvanta {

std::wstring ApplicationName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD nLength = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (nLength < path.size()) {
            path.resize(nLength);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t nSlash = path.find_last_of(L"\\/");
    std::wstring name = nSlash == std::wstring::npos ? path : path.substr(nSlash + 1);
    const std::size_t nDot = name.find_last_of(L'.');
    if (nDot != std::wstring::npos) name.resize(nDot);
    return name;
}

void AfxMessageBox(HWND hOwner, const std::wstring& strText) {
    MessageBoxW(hOwner, strText.c_str(), ApplicationName().c_str(), MB_OK);
}

void LogNote(const std::wstring& strNote) {
    OutputDebugStringW((ApplicationName() + L": " + strNote + L"\n").c_str());
}

}  // namespace sorvanta
