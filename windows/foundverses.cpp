#include "windows/foundverses.h"

#include <algorithm>
#include <utility>

namespace sorvanta {

namespace {

constexpr int kMostLinesShown = 12;  // more scroll
constexpr int kTextMargin = 8;       // beside the widest line, which the list draws a little indented
constexpr DWORD kListStyle = WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;

RECT WorkAreaOf(HWND hWnd) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

int WidestLine(HWND hList, const std::vector<std::wstring>& arrLines) {
    const HDC hDC = GetDC(hList);
    const HGDIOBJ hOldFont = SelectObject(hDC, reinterpret_cast<HFONT>(SendMessageW(hList, WM_GETFONT, 0, 0)));
    int nWidest = 0;
    for (const std::wstring& line : arrLines) {
        SIZE size{};
        GetTextExtentPoint32W(hDC, line.c_str(), static_cast<int>(line.size()), &size);
        nWidest = std::max(nWidest, static_cast<int>(size.cx));
    }
    SelectObject(hDC, hOldFont);
    ReleaseDC(hList, hDC);
    return nWidest;
}

}  // namespace

CFoundVersesList::~CFoundVersesList() {
    if (m_hList != nullptr) DestroyWindow(m_hList);
}

void CFoundVersesList::Create(HWND hOwner) {
    m_hList = CreateWindowExW(0, L"LISTBOX", nullptr, kListStyle, 0, 0, 0, 0, hOwner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (m_hList == nullptr) return;
    SetWindowLongPtrW(m_hList, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pListBoxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CFoundVersesList::ListProc)));
}

void CFoundVersesList::Show(HWND hField, std::vector<std::wstring> arrReferences,
                            const std::vector<std::wstring>& arrStarts) {
    if (m_hList == nullptr) Create(GetParent(hField));
    if (m_hList == nullptr) return;
    m_hField = hField;
    m_arrReferences = std::move(arrReferences);
    std::vector<std::wstring> arrLines;
    SendMessageW(m_hList, LB_RESETCONTENT, 0, 0);
    SendMessageW(m_hList, WM_SETFONT, SendMessageW(hField, WM_GETFONT, 0, 0), FALSE);
    for (std::size_t i = 0; i < m_arrReferences.size(); ++i) {
        arrLines.push_back(m_arrReferences[i] + L"  " + (i < arrStarts.size() ? arrStarts[i] : std::wstring()));
        SendMessageW(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(arrLines.back().c_str()));
    }
    SendMessageW(m_hList, LB_SETCURSEL, 0, 0);
    Place(arrLines);
    ShowWindow(m_hList, SW_SHOWNOACTIVATE);
}

// At least as wide as the field and as the widest line, within the screen;
// under the field, or above it where the screen ends first.
void CFoundVersesList::Place(const std::vector<std::wstring>& arrLines) {
    const int nLines = std::min(static_cast<int>(arrLines.size()), kMostLinesShown);
    const int nLineHeight = static_cast<int>(SendMessageW(m_hList, LB_GETITEMHEIGHT, 0, 0));
    RECT frame{0, 0, WidestLine(m_hList, arrLines) + kTextMargin, nLines * nLineHeight};
    if (static_cast<int>(arrLines.size()) > kMostLinesShown) frame.right += GetSystemMetrics(SM_CXVSCROLL);
    AdjustWindowRectEx(&frame, kListStyle, FALSE, 0);
    RECT field{};
    GetWindowRect(m_hField, &field);
    const RECT area = WorkAreaOf(m_hField);
    const int nWidth = std::min(std::max(frame.right - frame.left, field.right - field.left), area.right - area.left);
    const int nHeight = frame.bottom - frame.top;
    const int nX = std::max(area.left, std::min(field.left, area.right - nWidth));
    const int nY = field.bottom + nHeight <= area.bottom ? field.bottom : field.top - nHeight;
    SetWindowPos(m_hList, HWND_TOP, nX, nY, nWidth, nHeight, SWP_NOACTIVATE);
}

void CFoundVersesList::Close() {
    if (IsShown()) ShowWindow(m_hList, SW_HIDE);
}

void CFoundVersesList::Choose() {
    const LRESULT nLine = SendMessageW(m_hList, LB_GETCURSEL, 0, 0);
    if (!IsShown() || nLine < 0 || static_cast<std::size_t>(nLine) >= m_arrReferences.size()) return;
    m_chosen = m_arrReferences[static_cast<std::size_t>(nLine)];
    Close();
    // Posted: the quote window runs once the key or the click is over.
    PostMessageW(GetWindow(m_hList, GW_OWNER), WM_COMMAND, MAKEWPARAM(m_nCommandId, 0), 0);
}

bool CFoundVersesList::PreTranslateMessage(const MSG& msg) {
    if (!IsShown()) return false;
    const HWND hOwner = GetWindow(m_hList, GW_OWNER);
    if (msg.hwnd != hOwner && IsChild(hOwner, msg.hwnd) == FALSE) return false;
    if (msg.message == WM_MOUSEWHEEL) {
        SendMessageW(m_hList, WM_MOUSEWHEEL, msg.wParam, msg.lParam);
        return true;
    }
    if (msg.message != WM_KEYDOWN) return false;
    switch (msg.wParam) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT: SendMessageW(m_hList, WM_KEYDOWN, msg.wParam, msg.lParam); return true;
        case VK_RETURN: Choose(); return true;
        case VK_ESCAPE: Close(); return true;
        default: return false;
    }
}

void CFoundVersesList::OnOwnerMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    if (!IsShown()) return;
    bool bClose = false;
    switch (nMessage) {
        case WM_ACTIVATE: bClose = LOWORD(wParam) == WA_INACTIVE; break;
        case WM_SHOWWINDOW: bClose = wParam == FALSE; break;
        case WM_MOVE:
        case WM_SIZE: bClose = true; break;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == m_hField) {
                const WORD nCode = HIWORD(wParam);
                bClose = nCode == CBN_EDITCHANGE || nCode == CBN_SELCHANGE || nCode == CBN_DROPDOWN ||
                         nCode == CBN_KILLFOCUS;
            }
            break;
        default: break;
    }
    if (bClose) Close();
}

LRESULT CALLBACK CFoundVersesList::ListProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    auto* pList = reinterpret_cast<CFoundVersesList*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    const WNDPROC pListBoxProc = pList->m_pListBoxProc;
    switch (nMessage) {
        // A click neither activates the list nor takes the focus from the field.
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const LRESULT nItem = SendMessageW(hWnd, LB_ITEMFROMPOINT, 0, lParam);
            if (HIWORD(nItem) == 0) {
                SendMessageW(hWnd, LB_SETCURSEL, LOWORD(nItem), 0);
                pList->Choose();
            }
            return 0;
        }
        case WM_NCDESTROY: pList->m_hList = nullptr; break;  // with its owner
        default: break;
    }
    return CallWindowProcW(pListBoxProc, hWnd, nMessage, wParam, lParam);
}

}  // namespace sorvanta
