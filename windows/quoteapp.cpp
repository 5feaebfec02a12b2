#include "windows/quoteapp.h"

#include <windows.h>
// after windows.h, which it needs
#include <objbase.h>

#include <cstdio>

#include "modules/moduleroots.h"
#include "session/startrequest.h"
#include "windows/messagebox.h"
#include "windows/quotedlg.h"
#include "windows/registrystore.h"
#include "windows/wintext.h"

namespace sorvanta {

namespace {

constexpr DWORD kFindWindowTries = 40;  // a program that is just starting has no window yet
constexpr DWORD kFindWindowPauseMs = 50;
constexpr UINT kSendTimeoutMs = 5000;

// Stops at the main window of the program that runs, marked by its property.
BOOL CALLBACK TakeMainWindow(HWND hWnd, LPARAM lParam) {
    if (GetPropW(hWnd, kMainWindowProperty) == nullptr) return TRUE;
    DWORD nProcess = 0;
    GetWindowThreadProcessId(hWnd, &nProcess);
    if (nProcess == GetCurrentProcessId()) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

HWND FindMainWindow() {
    HWND hFound = nullptr;
    EnumWindows(TakeMainWindow, reinterpret_cast<LPARAM>(&hFound));
    return hFound;
}

// Hands the request to the program that runs; false when none takes it.
bool SendRequest(CInstanceRequest request) {
    const std::string_view line = RequestLine(request);
    for (DWORD nTry = 0; nTry < kFindWindowTries; ++nTry) {
        if (const HWND hWnd = FindMainWindow(); hWnd != nullptr) {
            // The running program may bring itself to the front.
            DWORD nProcess = 0;
            GetWindowThreadProcessId(hWnd, &nProcess);
            AllowSetForegroundWindow(nProcess);
            COPYDATASTRUCT data{kRequestCopyData, static_cast<DWORD>(line.size()), const_cast<char*>(line.data())};
            DWORD_PTR nResult = 0;
            return SendMessageTimeoutW(hWnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                                       kSendTimeoutMs, &nResult) != 0 &&
                   nResult != 0;
        }
        Sleep(kFindWindowPauseMs);
    }
    return false;
}

// Text for whoever started the program from a console; nobody sees it otherwise.
void TellConsole(const std::string& strText) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (FILE* pStream = std::fopen("CONOUT$", "w"); pStream != nullptr) {
        std::fputs(strText.c_str(), pStream);
        std::fclose(pStream);
    }
}

std::wstring UserName() {
    wchar_t name[256] = {};
    DWORD nLength = 256;
    return GetUserNameW(name, &nLength) ? std::wstring(name) : std::wstring();
}

std::string EnvironmentFolder(const wchar_t* pName) {
    wchar_t value[MAX_PATH] = {};
    const DWORD nLength = GetEnvironmentVariableW(pName, value, MAX_PATH);
    return nLength == 0 || nLength >= MAX_PATH ? std::string() : Utf8OfWide(value);
}

// Where the host usually keeps its modules on this system.
std::string FindWindowsModuleRoot() {
    std::vector<std::string> arrPlaces;
    for (const wchar_t* pName : {L"ProgramFiles(x86)", L"ProgramFiles", L"LOCALAPPDATA", L"APPDATA", L"USERPROFILE"}) {
        if (std::string strPlace = EnvironmentFolder(pName); !strPlace.empty()) arrPlaces.push_back(strPlace);
    }
    return FindModuleRoot(arrPlaces);
}

}  // namespace

int CQuoteApp::InitInstance(const std::vector<std::wstring>& arrArgs) {
    std::vector<std::string> arrLocal;
    for (const std::wstring& arg : arrArgs) arrLocal.push_back(Utf8OfWide(arg));
    const std::optional<CInstanceRequest> request = ParseCommandLine(arrLocal);
    if (!request) {
        TellConsole("sorvanta: not understood\n\n" + std::string(kProgramUsage));
        return kExitUsage;
    }
    // One program per user: a later start asks the running one instead.
    const std::wstring strMutex = L"Local\\Sorvanta-" + ApplicationName() + L"-" + UserName();
    const HANDLE hMutex = CreateMutexW(nullptr, FALSE, strMutex.c_str());
    const bool bRunning = GetLastError() == ERROR_ALREADY_EXISTS;
    if (bRunning || *request == CInstanceRequest::HotKeyLaunch) {
        const bool bSent = SendRequest(*request);
        if (hMutex != nullptr) CloseHandle(hMutex);
        if (bSent || bRunning) return 0;
        TellConsole("sorvanta: no Sorvanta runs to start Orvanel\n");
        return kExitNotRunning;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the shell's folder browser and autocomplete
    CRegistryStore store(ApplicationName());
    CQuoteSession session(store);
    session.m_findModuleRoot = FindWindowsModuleRoot;
    {
        CQuoteDlg dlg(session);
        dlg.RunModalLoop();
    }
    CoUninitialize();
    if (hMutex != nullptr) CloseHandle(hMutex);
    return 0;
}

}  // namespace sorvanta
