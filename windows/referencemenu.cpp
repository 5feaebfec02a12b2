#include "windows/referencemenu.h"

#include "windows/resource.h"

namespace sorvanta {
namespace {

constexpr const wchar_t* kSavedProcProperty = L"Sorvanta.EditProc";

enum : UINT { kUndo = 1, kCut, kCopy, kPaste, kDelete, kSelectAll, kClearHistory };

UINT EnabledIf(bool bEnabled) {
    return MF_STRING | (bEnabled ? MF_ENABLED : MF_GRAYED);
}

POINT MenuPosition(HWND hEdit, LPARAM lParam) {
    POINT pos{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (pos.x != -1 || pos.y != -1) return pos;
    // From the keyboard: below the field's left corner.
    RECT rect{};
    GetWindowRect(hEdit, &rect);
    return POINT{rect.left, rect.bottom};
}

void ShowReferenceMenu(HWND hEdit, HWND hCombo, LPARAM lParam) {
    DWORD nStart = 0;
    DWORD nEnd = 0;
    SendMessageW(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), reinterpret_cast<LPARAM>(&nEnd));
    const bool bSelected = nStart != nEnd;
    const int nLength = GetWindowTextLengthW(hEdit);
    const bool bHistory = SendMessageW(hCombo, CB_GETCOUNT, 0, 0) > 0;

    const HMENU hMenu = CreatePopupMenu();
    AppendMenuW(hMenu, EnabledIf(SendMessageW(hEdit, EM_CANUNDO, 0, 0) != 0), kUndo, L"Отменить");
    AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(hMenu, EnabledIf(bSelected), kCut, L"Вырезать");
    AppendMenuW(hMenu, EnabledIf(bSelected), kCopy, L"Копировать");
    AppendMenuW(hMenu, EnabledIf(IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE), kPaste, L"Вставить");
    AppendMenuW(hMenu, EnabledIf(bSelected), kDelete, L"Удалить");
    AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(hMenu, EnabledIf(nLength > 0 && !(nStart == 0 && nEnd == static_cast<DWORD>(nLength))), kSelectAll,
                L"Выделить всё");
    AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(hMenu, EnabledIf(bHistory), kClearHistory, L"Очистить историю");

    SetFocus(hEdit);
    const POINT pos = MenuPosition(hEdit, lParam);
    const UINT nChosen = static_cast<UINT>(
        TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, pos.x, pos.y, 0, hEdit, nullptr));
    DestroyMenu(hMenu);
    switch (nChosen) {
        case kUndo: SendMessageW(hEdit, EM_UNDO, 0, 0); break;
        case kCut: SendMessageW(hEdit, WM_CUT, 0, 0); break;
        case kCopy: SendMessageW(hEdit, WM_COPY, 0, 0); break;
        case kPaste: SendMessageW(hEdit, WM_PASTE, 0, 0); break;
        case kDelete: SendMessageW(hEdit, WM_CLEAR, 0, 0); break;
        case kSelectAll: SendMessageW(hEdit, EM_SETSEL, 0, -1); break;
        case kClearHistory:
            SendMessageW(GetParent(hCombo), WM_COMMAND, MAKEWPARAM(ID_CLEAR_HISTORY, 0),
                         reinterpret_cast<LPARAM>(hCombo));
            break;
        default: break;
    }
}

LRESULT CALLBACK ReferenceEditProc(HWND hEdit, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    const auto pfnSaved = reinterpret_cast<WNDPROC>(GetPropW(hEdit, kSavedProcProperty));
    switch (nMessage) {
        case WM_CONTEXTMENU: ShowReferenceMenu(hEdit, GetParent(hEdit), lParam); return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSaved));
            RemovePropW(hEdit, kSavedProcProperty);
            break;
        default: break;
    }
    return CallWindowProcW(pfnSaved, hEdit, nMessage, wParam, lParam);
}

}  // namespace

void AttachReferenceMenu(HWND hCombo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(hCombo, &info) || info.hwndItem == nullptr) return;
    const LONG_PTR nSaved = GetWindowLongPtrW(info.hwndItem, GWLP_WNDPROC);
    SetPropW(info.hwndItem, kSavedProcProperty, reinterpret_cast<HANDLE>(nSaved));
    SetWindowLongPtrW(info.hwndItem, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ReferenceEditProc));
}

}  // namespace sorvanta
