// The minimise button the main window draws into its own caption: the
// caption has no buttons of the system's, as the window has no system menu.
#include "windows/quotedlg.h"

#include "session/captionbutton.h"

namespace sorvanta {

void CQuoteDlg::DrawCaptionButton() const {
    const HDC hWindowDC = GetWindowDC(m_hWnd);
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const CaptionButtonRect place = CaptionButtonPlace(window.right - window.left);
    if (const HDC hMemoryDC = CreateCompatibleDC(hWindowDC); hMemoryDC != nullptr) {
        const HGDIOBJ hOld = SelectObject(hMemoryDC, m_bmpCaption);
        // The picture alone: the frame keeps its own pixels around it.
        BitBlt(hWindowDC, place.left, place.top, place.width, place.height, hMemoryDC, 0, 0, SRCCOPY);
        SelectObject(hMemoryDC, hOld);
        DeleteDC(hMemoryDC);
    }
    ReleaseDC(m_hWnd, hWindowDC);
}

bool CQuoteDlg::IsOnCaptionButton(POINT screenPos) const {
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    return sorvanta::IsOnCaptionButton(window.right - window.left, screenPos.x - window.left, screenPos.y - window.top);
}

}  // namespace sorvanta
