// The minimise button the main window draws into its own caption: the
// caption has no buttons of the system's, as the window has no system menu.
#include "windows/quotedlg.h"

namespace sorvanta {

namespace {

// The picture's top-left corner, from the window's top-right corner.
constexpr int kButtonRight = 19;
constexpr int kButtonTop = 5;
constexpr int kPictureWidth = 14;
constexpr int kPictureHeight = 12;

}  // namespace

void CQuoteDlg::DrawCaptionButton() const {
    const HDC hWindowDC = GetWindowDC(m_hWnd);
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const int nWidth = window.right - window.left;
    if (const HDC hMemoryDC = CreateCompatibleDC(hWindowDC); hMemoryDC != nullptr) {
        const HGDIOBJ hOld = SelectObject(hMemoryDC, m_bmpCaption);
        // The picture alone: the frame keeps its own pixels around it.
        BitBlt(hWindowDC, nWidth - kButtonRight, kButtonTop, kPictureWidth, kPictureHeight, hMemoryDC, 0, 0, SRCCOPY);
        SelectObject(hMemoryDC, hOld);
        DeleteDC(hMemoryDC);
    }
    ReleaseDC(m_hWnd, hWindowDC);
}

bool CQuoteDlg::IsOnCaptionButton(POINT screenPos) const {
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const int nWidth = window.right - window.left;
    const int dx = screenPos.x - window.left;
    const int dy = screenPos.y - window.top;
    return nWidth - kButtonRight < dx && dx < nWidth - 5 && kButtonTop < dy && dy < 19;
}

}  // namespace sorvanta
