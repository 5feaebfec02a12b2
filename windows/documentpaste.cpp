#include "windows/documentpaste.h"

#include <array>
#include <iterator>
#include <string_view>

namespace sorvanta {

namespace {

bool IsTaskBar(HWND hWindow) {
    wchar_t className[64] = {};
    GetClassNameW(hWindow, className, static_cast<int>(std::size(className)));
    const std::wstring_view name(className);
    return name == L"Shell_TrayWnd" || name == L"Shell_SecondaryTrayWnd" || name == L"NotifyIconOverflowWindow";
}

// A window a person writes in: shown, not minimised, neither a tool window
// nor one kept above the others (the task bar is one).
bool IsWorkWindow(HWND hWindow) {
    return IsWindowVisible(hWindow) && !IsIconic(hWindow) &&
           (GetWindowLongPtrW(hWindow, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) == 0;
}

}  // namespace

bool IsOfThisProgram(HWND hWindow) {
    DWORD nProcess = 0;
    GetWindowThreadProcessId(hWindow, &nProcess);
    return nProcess == GetCurrentProcessId();
}

HWND ForegroundWindowOfOtherProgram() {
    HWND hWindow = GetForegroundWindow();
    if (hWindow != nullptr && IsTaskBar(hWindow)) {
        // The task bar takes the foreground when its icon is clicked; the
        // person's window is the first one below it.
        do {
            hWindow = GetWindow(hWindow, GW_HWNDNEXT);
        } while (hWindow != nullptr && !IsWorkWindow(hWindow));
    }
    return hWindow == nullptr || IsOfThisProgram(hWindow) ? nullptr : hWindow;
}

bool BringBackWindow(HWND hWindow) {
    if (hWindow == nullptr || !IsWindow(hWindow)) return false;
    if (IsIconic(hWindow)) ShowWindow(hWindow, SW_RESTORE);
    SetForegroundWindow(hWindow);
    return true;
}

bool ReadyForKeys(HWND hWindow) {
    static constexpr std::array<int, 5> kModifiers = {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN};
    for (const int nKey : kModifiers) {
        if ((GetAsyncKeyState(nKey) & 0x8000) != 0) return false;
    }
    return GetForegroundWindow() == hWindow;
}

void SendControlKey(char chLetter) {
    std::array<INPUT, 4> inputs{};
    const std::array<WORD, 4> keys = {VK_CONTROL, static_cast<WORD>(chLetter), static_cast<WORD>(chLetter), VK_CONTROL};
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace sorvanta
