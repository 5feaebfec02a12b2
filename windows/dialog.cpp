#include "windows/dialog.h"

namespace sorvanta {

INT_PTR CDialog::DoModal(HWND hOwner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplate), hOwner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND CDialog::Create(HWND hOwner) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplate), hOwner, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::SetResult(LRESULT nResult) const {
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, nResult);
    return TRUE;
}

void CDialog::CenterWindow() const {
    RECT area{};
    const HWND hOwner = GetWindow(m_hWnd, GW_OWNER);
    if (hOwner != nullptr && IsWindowVisible(hOwner) && !IsIconic(hOwner)) {
        GetWindowRect(hOwner, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const int nWidth = window.right - window.left;
    const int nHeight = window.bottom - window.top;
    const int nX = area.left + (area.right - area.left - nWidth) / 2;
    const int nY = area.top + (area.bottom - area.top - nHeight) / 2;
    SetWindowPos(m_hWnd, nullptr, nX, nY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    if (nMessage == WM_INITDIALOG) {
        SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = hWnd;
    }
    auto* pDialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hWnd, DWLP_USER));
    if (pDialog == nullptr) return FALSE;
    const INT_PTR nResult = pDialog->OnMessage(nMessage, wParam, lParam);
    if (nMessage == WM_NCDESTROY) {
        SetWindowLongPtrW(hWnd, DWLP_USER, 0);
        pDialog->m_hWnd = nullptr;
    }
    return nResult;
}

}  // namespace sorvanta
