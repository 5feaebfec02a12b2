// Whether a hot key could be had, asked without keeping it: the settings
// dialog tells it beside each hot-key field while the field is typed.
#pragma once

#include <windows.h>

namespace sorvanta {

enum class CHotkeyState {
    Available,  // free, or held by this program for that hot key
    Taken,      // another program holds it
    NoKey,      // no key of the current keyboard layout gives the character
};

// The modifiers hot key `nId` (kHotkeyLaunch, kHotkeyRestore,
// kHotkeyReplace) is registered with.
UINT HotkeyModifiers(int nId);

// The key that gives the code page 1251 character in the current keyboard
// layout, shift state dropped; 255 when no key does.
UINT KeyOfHotkeyChar(char ch);

// Whether hot key `nId` could be had with the character `ch`, tried on a
// spare id of `hWnd`. The combination `hWnd` holds now as that hot key (its
// character `chHeld`) counts as available.
CHotkeyState ProbeHotkey(HWND hWnd, int nId, char chHeld, char ch);

}  // namespace sorvanta
