// The main window's tray icon, hot keys and visibility states.
#include "windows/hostlauncher.h"
#include "windows/hotkeyprobe.h"
#include "windows/messagebox.h"
#include "windows/quotedlg.h"
#include "windows/resource.h"
#include "windows/wintext.h"

namespace sorvanta {

namespace {

void RegisterHotkey(HWND hWnd, int nId, char ch) {
    UnregisterHotKey(hWnd, nId);
    const UINT nKey = KeyOfHotkeyChar(ch);
    if (!RegisterHotKey(hWnd, nId, HotkeyModifiers(nId), nKey)) {
        LogNote(L"hot key " + std::to_wstring(nId) + L" (key " + std::to_wstring(nKey) +
                L") was refused: another program holds it, or the key is not valid");
    }
}

}  // namespace

void CQuoteDlg::RegisterHotkeys() {
    RegisterHotkey(m_hWnd, kHotkeyLaunch, m_session.m_settings.m_chHotkeyLaunch);
    RegisterHotkey(m_hWnd, kHotkeyRestore, m_session.m_settings.m_chHotkeyRestore);
    // Any foreground window can be given keys: the selection can always be replaced.
    RegisterHotkey(m_hWnd, kHotkeyReplace, m_session.m_settings.m_chHotkeyRestore);
}

void CQuoteDlg::InitTrayIcon() {
    m_nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    m_nid.hWnd = m_hWnd;
    m_nid.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN));
    wcscpy_s(m_nid.szTip, 64, L"This is Tip");
    m_nid.uCallbackMessage = kTrayCallbackMessage;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uID = kTrayIconId;
    m_nTaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
}

void CQuoteDlg::AddTrayIcon() {
    m_bTrayShown = Shell_NotifyIconW(NIM_ADD, &m_nid) != FALSE;
    if (!m_bTrayShown) LogNote(L"there is no tray for the icon; the window minimises instead of hiding");
}

LRESULT CQuoteDlg::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
    if (wParam != m_nid.uID) return 0;
    switch (LOWORD(lParam)) {
        case WM_RBUTTONUP: ShowTrayMenu(); break;
        case WM_LBUTTONDOWN: BringToFront(); break;
        default: break;
    }
    return 1;
}

void CQuoteDlg::ShowTrayMenu() {
    POINT pos{};
    GetCursorPos(&pos);
    const HMENU hMenu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAYMENU));
    if (hMenu == nullptr) return;
    if (const HMENU hPopup = GetSubMenu(hMenu, 0); hPopup != nullptr) {
        RememberWriterWindow();       // before the menu takes the foreground
        SetForegroundWindow(m_hWnd);  // so a click outside closes the menu
        TrackPopupMenu(hPopup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, 0, m_hWnd, nullptr);
        PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
    DestroyMenu(hMenu);
}

void CQuoteDlg::OnSize(WPARAM nType) {
    if (nType == SIZE_MINIMIZED && m_bTrayShown) ShowWindow(m_hWnd, SW_HIDE);
}

void CQuoteDlg::HideToTray() {
    ShowWindow(m_hWnd, m_bTrayShown ? SW_HIDE : SW_MINIMIZE);
}

// The window comes back where it was left, in front and active, the focus
// in the reference field with its text selected, so the next reference is
// simply typed over it.
void CQuoteDlg::BringToFront() {
    RememberWriterWindow();
    ShowWindow(m_hWnd, SW_RESTORE);
    ShowWindow(m_hWnd, SW_SHOW);
    SetForegroundWindow(m_hWnd);
    SetActiveWindow(m_hWnd);
    const HWND hVerse = GetDlgItem(m_hWnd, IDC_VERSE);
    SetFocus(hVerse);
    SendMessageW(hVerse, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

bool CQuoteDlg::PreTranslateMessage(const MSG& msg) {
    // Escape hides the window to the tray; it never closes it.
    const bool bOurs = msg.hwnd == m_hWnd || IsChild(m_hWnd, msg.hwnd);
    if (bOurs && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return true;
    }
    return false;
}

}  // namespace sorvanta
