// The window of the program the person writes in: found when Sorvanta is
// called up, made the foreground window again, and given keys as if typed.
#pragma once

#include <windows.h>

namespace sorvanta {

// The window is one of this program's.
bool IsOfThisProgram(HWND hWindow);

// The foreground window when it is another program's; when that is the task
// bar (its tray icon was clicked), the window the person worked in below it.
// Null when there is none, or it is this program's.
HWND ForegroundWindowOfOtherProgram();

// Asks for the window to be the foreground window again (restored first
// when minimised); false when it is gone.
bool BringBackWindow(HWND hWindow);

// The window is the foreground window and no modifier key is held, so that
// keys sent now go to it as they are.
bool ReadyForKeys(HWND hWindow);

// Ctrl with the key (a letter), pressed and let go, to the foreground window.
void SendControlKey(char chLetter);

}  // namespace sorvanta
