// A hidden child of the main window whose procedure stands in front of the
// main window's own and hands every message on unchanged.
#pragma once

#include <windows.h>

namespace sorvanta {

class CHookWnd {
public:
    CHookWnd() = default;
    virtual ~CHookWnd();
    CHookWnd(const CHookWnd&) = delete;
    CHookWnd& operator=(const CHookWnd&) = delete;

    // Creates the hidden child (control IDC_HOOK) over the parent's client
    // area and puts HookWndProc in front of the parent's procedure; FALSE
    // when the child could not be created, and then nothing is replaced.
    virtual BOOL InstallHook(HWND hParent);

    HWND m_hWnd = nullptr;
    WNDPROC m_pfnSavedProc = nullptr;
};

LRESULT CALLBACK HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
// Puts the main window's saved procedure back; nothing without the child.
void RemoveHook(HWND hMain);
// The CHookWnd of the window's child IDC_HOOK, or null.
CHookWnd* FindHookWnd(HWND hMain);

}  // namespace sorvanta
