#include "windows/copydlg.h"

#include "windows/clipboard.h"
#include "windows/messagebox.h"
#include "windows/resource.h"
#include "windows/wintext.h"

namespace sorvanta {

void CCopyDlg::UpdateData(bool bSaveAndValidate) {
    if (bSaveAndValidate) {
        m_bDontShow = IsDlgButtonChecked(m_hWnd, IDC_DONTSHOW) == BST_CHECKED ? 1 : 0;
        m_strText = DlgItemText(m_hWnd, IDC_TEXT);
    } else {
        CheckDlgButton(m_hWnd, IDC_DONTSHOW, m_bDontShow != 0 ? BST_CHECKED : BST_UNCHECKED);
        SetDlgItemTextW(m_hWnd, IDC_TEXT, m_strText.c_str());
    }
}

BOOL CCopyDlg::OnInitDialog() {
    // The edit control breaks lines only at CR LF.
    m_strText = WideOfText(WithCrLf(m_quotation.m_strQuotation), m_quotation.m_encoding);
    UpdateData(false);
    m_hFont = CreateFontW(-11, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, RUSSIAN_CHARSET, 0, 0, 0, 0, L"Tahoma");
    SendDlgItemMessageW(m_hWnd, IDC_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), TRUE);
    CenterWindow();
    return TRUE;  // the focus goes to the check box, the first control
}

void CCopyDlg::OnCopy() {
    UpdateData(true);
    // The formatted copy goes along only with the text it was made of.
    const std::string strHtml = HtmlForCopy(m_quotation, TextOfWide(m_strText, m_quotation.m_encoding));
    if (!CopyToClipboard(m_hWnd, m_strText, strHtml)) AfxMessageBox(m_hWnd, ClipboardFailureMessage());
    EndDialog(m_hWnd, IDOK);
}

INT_PTR CCopyDlg::OnMessage(UINT nMessage, WPARAM wParam, LPARAM /*lParam*/) {
    switch (nMessage) {
        case WM_INITDIALOG: return OnInitDialog();
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                // Enter on the check box is the window's OK command: it copies
                // as "Копировать" does, for the caller then acts as after a copy.
                case IDOK:
                case IDC_COPY: OnCopy(); return TRUE;
                case IDCANCEL:
                case IDC_CANCELCOPY: EndDialog(m_hWnd, IDCANCEL); return TRUE;
                default: return FALSE;
            }
        case WM_DESTROY:
            if (m_hFont != nullptr) DeleteObject(m_hFont);
            m_hFont = nullptr;
            return FALSE;
        default: return FALSE;
    }
}

}  // namespace sorvanta
