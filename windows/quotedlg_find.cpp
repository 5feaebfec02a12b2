// The main window's list of the verses a search by words found.
#include "windows/quotedlg.h"
#include "windows/resource.h"
#include "windows/wintext.h"

namespace sorvanta {

void CQuoteDlg::ShowFoundVerses(const COkResult& result) {
    std::vector<std::wstring> arrReferences;
    std::vector<std::wstring> arrStarts;
    for (const CFoundVerse& verse : result.m_arrFound) {
        arrReferences.push_back(WideOfText(verse.m_strReference, result.m_encoding));
        arrStarts.push_back(WideOfText(verse.m_strStart, result.m_encoding));
    }
    m_foundVerses.Show(GetDlgItem(m_hWnd, IDC_VERSE), std::move(arrReferences), arrStarts);
}

// As if the reference had been typed and OK pressed.
void CQuoteDlg::QuoteFoundVerse() {
    SetDlgItemTextW(m_hWnd, IDC_VERSE, m_foundVerses.ChosenReference().c_str());
    OnOK();
}

}  // namespace sorvanta
