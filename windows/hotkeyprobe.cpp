#include "windows/hotkeyprobe.h"

#include <string>

#include "windows/quotedlg.h"
#include "windows/wintext.h"

namespace sorvanta {

namespace {

// Ids 0 to 0xBFFF belong to the program; the hot keys use the lowest.
constexpr int kProbeId = 0xBFFF;

}  // namespace

UINT HotkeyModifiers(int nId) {
    switch (nId) {
        case kHotkeyLaunch: return MOD_ALT | MOD_CONTROL;
        case kHotkeyReplace: return MOD_WIN | MOD_SHIFT;
        default: return MOD_WIN;
    }
}

UINT KeyOfHotkeyChar(char ch) {
    const std::wstring character = WideOfText(std::string(1, ch));
    return static_cast<UINT>(VkKeyScanW(character.empty() ? L'\0' : character.front())) & 0xFFu;
}

CHotkeyState ProbeHotkey(HWND hWnd, int nId, char chHeld, char ch) {
    const UINT nKey = KeyOfHotkeyChar(ch);
    if (nKey == 0xFFu) return CHotkeyState::NoKey;
    const UINT nModifiers = HotkeyModifiers(nId);
    if (RegisterHotKey(hWnd, kProbeId, nModifiers, nKey)) {
        UnregisterHotKey(hWnd, kProbeId);
        return CHotkeyState::Available;
    }
    // Refused: another program holds the combination, or this window does as
    // hot key nId. A refused registration leaves nId unregistered, so only a
    // held one can be let go, and it is taken back at once.
    if (nKey != KeyOfHotkeyChar(chHeld) || !UnregisterHotKey(hWnd, nId)) return CHotkeyState::Taken;
    RegisterHotKey(hWnd, nId, nModifiers, nKey);
    return CHotkeyState::Available;
}

}  // namespace sorvanta
