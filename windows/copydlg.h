// The quote window: the quotation for reading and editing; "Копировать" puts
// the text as it stands on the clipboard and ends the window with IDOK.
#pragma once

#include "session/quotesession.h"
#include "windows/dialog.h"

namespace sorvanta {

class CCopyDlg : public CDialog {
public:
    explicit CCopyDlg(const COkResult& quotation) : CDialog(137), m_quotation(quotation) {}

    int m_bDontShow = 0;     // check box "Не показывать в следующий раз"
    std::wstring m_strText;  // text of the edit, its line breaks CR LF

protected:
    INT_PTR OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL OnInitDialog();
    void UpdateData(bool bSaveAndValidate);
    void OnCopy();

    const COkResult& m_quotation;
    HFONT m_hFont = nullptr;
};

}  // namespace sorvanta
