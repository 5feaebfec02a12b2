// The main window's preview line: what OK would quote, told while the
// reference is typed or a module chosen.
#include <string>

#include "lookup/preview.h"
#include "windows/quotedlg.h"
#include "windows/resource.h"
#include "windows/wintext.h"

namespace sorvanta {

namespace {

// The history entry being chosen from the reference field's list, which the
// field shows only after it has told of the choice.
std::wstring ChosenEntry(HWND hVerse) {
    const LRESULT nEntry = SendMessageW(hVerse, CB_GETCURSEL, 0, 0);
    if (nEntry == CB_ERR) return WindowText(hVerse);
    std::wstring entry(static_cast<std::size_t>(SendMessageW(hVerse, CB_GETLBTEXTLEN, nEntry, 0)) + 1, L'\0');
    entry.resize(
        static_cast<std::size_t>(SendMessageW(hVerse, CB_GETLBTEXT, nEntry, reinterpret_cast<LPARAM>(entry.data()))));
    return entry;
}

}  // namespace

void CQuoteDlg::UpdatePreview(bool bChoosing) {
    const HWND hVerse = GetDlgItem(m_hWnd, IDC_VERSE);
    const std::wstring typed = bChoosing ? ChosenEntry(hVerse) : WindowText(hVerse);
    const std::string strLine =
        DescribeRequest(TextOfWide(typed), m_session.SelectedIni(), m_session.m_markers, m_session.SelectedEncoding());
    SetDlgItemTextW(m_hWnd, IDC_PREVIEW, WideOfUtf8(strLine).c_str());
}

}  // namespace sorvanta
