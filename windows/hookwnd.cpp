#include "windows/hookwnd.h"

#include "windows/resource.h"

namespace sorvanta {
namespace {

constexpr const wchar_t* kHookClass = L"Sorvanta.CHookWnd";

void RegisterHookClass(HINSTANCE hInstance) {
    WNDCLASSW wc{};
    if (GetClassInfoW(hInstance, kHookClass, &wc)) return;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = hInstance;
    wc.lpszClassName = kHookClass;
    RegisterClassW(&wc);
}

}  // namespace

CHookWnd::~CHookWnd() {
    if (m_hWnd != nullptr && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

BOOL CHookWnd::InstallHook(HWND hParent) {
    RECT rect{};
    GetClientRect(hParent, &rect);
    const HINSTANCE hInstance = GetModuleHandleW(nullptr);
    RegisterHookClass(hInstance);
    m_hWnd = CreateWindowExW(0, kHookClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, hParent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_HOOK)), hInstance, nullptr);
    if (m_hWnd == nullptr) return FALSE;
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnSavedProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookWndProc)));
    return TRUE;
}

CHookWnd* FindHookWnd(HWND hMain) {
    const HWND hChild = GetDlgItem(hMain, IDC_HOOK);
    if (hChild == nullptr) return nullptr;
    return reinterpret_cast<CHookWnd*>(GetWindowLongPtrW(hChild, GWLP_USERDATA));
}

LRESULT CALLBACK HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    const CHookWnd* pHook = FindHookWnd(hWnd);
    // Messages that arrive after the child is gone go to the dialog's own
    // procedure, which the class keeps.
    if (pHook == nullptr || pHook->m_pfnSavedProc == nullptr) return DefDlgProcW(hWnd, nMessage, wParam, lParam);
    return CallWindowProcW(pHook->m_pfnSavedProc, hWnd, nMessage, wParam, lParam);
}

void RemoveHook(HWND hMain) {
    const CHookWnd* pHook = FindHookWnd(hMain);
    if (pHook == nullptr || pHook->m_pfnSavedProc == nullptr) return;
    SetWindowLongPtrW(hMain, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pHook->m_pfnSavedProc));
}

}  // namespace sorvanta
