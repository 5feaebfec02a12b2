// A dialog built from a template: its procedure reaches the object's
// OnMessage, as a message map does.
#pragma once

#include <windows.h>

namespace sorvanta {

class CDialog {
public:
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally over its owner; its result (IDOK, IDCANCEL).
    INT_PTR DoModal(HWND hOwner);
    // Creates the dialog without running it; the caller runs the messages.
    HWND Create(HWND hOwner);

    HWND m_hWnd = nullptr;

protected:
    explicit CDialog(int nTemplate) : m_nTemplate(nTemplate) {}

    // Returns TRUE when the message was handled; a handled message's own
    // result goes through SetResult.
    virtual INT_PTR OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) = 0;
    INT_PTR SetResult(LRESULT nResult) const;
    // A template placed at 0, 0 opens centred over its owner, or on the
    // screen when it has none or the owner is not shown.
    void CenterWindow() const;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

    int m_nTemplate;
};

}  // namespace sorvanta
