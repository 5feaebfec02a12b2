#include "windows/settingsdlg.h"

#include "session/hotkeychar.h"
#include "session/quotesession.h"
#include "windows/folderpicker.h"
#include "windows/messagebox.h"
#include "windows/quotedlg.h"
#include "windows/resource.h"
#include "windows/wintext.h"

namespace sorvanta {

namespace {

// The citation formats in the order of CCitationFormat.
constexpr const wchar_t* kFormatNames[] = {L"Ссылка. Текст", L"Текст (ссылка)", L"«Текст» (ссылка)"};

void SetCheck(HWND hDlg, int nId, bool bOn) {
    CheckDlgButton(hDlg, nId, bOn ? BST_CHECKED : BST_UNCHECKED);
}

bool Checked(HWND hDlg, int nId) {
    return IsDlgButtonChecked(hDlg, nId) == BST_CHECKED;
}

// Why a hot key cannot be had, told beside its field ("" when it can).
const wchar_t* HotkeyStatusText(CHotkeyState state) {
    switch (state) {
        case CHotkeyState::Taken: return L"Занято другой программой";
        case CHotkeyState::NoKey: return L"Нет такой клавиши";
        default: return L"";
    }
}

}  // namespace

BOOL CSettingsDlg::OnInitDialog() {
    for (const wchar_t* pName : kFormatNames) {
        SendDlgItemMessageW(m_hWnd, IDC_FORMAT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pName));
    }
    SendDlgItemMessageW(m_hWnd, IDC_HOTKEY_LAUNCH, EM_LIMITTEXT, 1, 0);
    SendDlgItemMessageW(m_hWnd, IDC_HOTKEY_RESTORE, EM_LIMITTEXT, 1, 0);
    m_strDirectory = WideOfUtf8(m_ownerValues.m_strDirectory);
    m_bTrayDef = m_ownerValues.m_bTrayDef;
    m_bShowDlg = m_ownerValues.m_bShowDlg;
    m_strHotkeyLaunch = WideOfText(HotkeyText(m_ownerValues.m_chHotkeyLaunch));
    m_strHotkeyRestore = WideOfText(HotkeyText(m_ownerValues.m_chHotkeyRestore));
    UpdateData(false);
    ShowHotkeyStatus();
    CenterWindow();
    return TRUE;  // the focus goes to "Записать"
}

bool CSettingsDlg::UpdateData(bool bSaveAndValidate) {
    if (!bSaveAndValidate) {
        SetDlgItemTextW(m_hWnd, IDC_DIRECTORY, m_strDirectory.c_str());
        SetCheck(m_hWnd, IDC_TRAYDEF, m_bTrayDef != 0);
        SetCheck(m_hWnd, IDC_SHOWDLG, m_bShowDlg != 0);
        SetDlgItemTextW(m_hWnd, IDC_HOTKEY_LAUNCH, m_strHotkeyLaunch.c_str());
        SetDlgItemTextW(m_hWnd, IDC_HOTKEY_RESTORE, m_strHotkeyRestore.c_str());
        SendDlgItemMessageW(m_hWnd, IDC_FORMAT, CB_SETCURSEL, static_cast<WPARAM>(m_quotation.m_style.m_format), 0);
        SetCheck(m_hWnd, IDC_VERSENUMBERS, m_quotation.m_style.m_bVerseNumbers);
        SetCheck(m_hWnd, IDC_JOINLINES, m_quotation.m_style.m_bJoinLines);
        SetCheck(m_hWnd, IDC_HTML, m_quotation.m_bHtml != 0);
        SetCheck(m_hWnd, IDC_KEEPSTRONG, m_quotation.m_passage.m_bKeepStrongNumbers);
        SetCheck(m_hWnd, IDC_PASTEINTODOCUMENT, m_quotation.m_bPasteIntoDocument != 0);
        SetDlgItemTextW(m_hWnd, IDC_TEMPLATE, WideOfUtf8(m_quotation.m_strTemplate).c_str());
        return true;
    }
    for (const int nField : {IDC_HOTKEY_LAUNCH, IDC_HOTKEY_RESTORE}) {
        if (DlgItemText(m_hWnd, nField).size() > 1) {
            AfxMessageBox(m_hWnd, WideOfText(HotkeyFieldTooLongMessage()));
            SetFocus(GetDlgItem(m_hWnd, nField));
            SendDlgItemMessageW(m_hWnd, nField, EM_SETSEL, 0, -1);
            return false;
        }
    }
    m_strDirectory = DlgItemText(m_hWnd, IDC_DIRECTORY);
    m_bTrayDef = Checked(m_hWnd, IDC_TRAYDEF) ? 1 : 0;
    m_bShowDlg = Checked(m_hWnd, IDC_SHOWDLG) ? 1 : 0;
    m_strHotkeyLaunch = DlgItemText(m_hWnd, IDC_HOTKEY_LAUNCH);
    m_strHotkeyRestore = DlgItemText(m_hWnd, IDC_HOTKEY_RESTORE);
    const LRESULT nFormat = SendDlgItemMessageW(m_hWnd, IDC_FORMAT, CB_GETCURSEL, 0, 0);
    if (nFormat >= 0) m_quotation.m_style.m_format = static_cast<CCitationFormat>(nFormat);
    m_quotation.m_style.m_bVerseNumbers = Checked(m_hWnd, IDC_VERSENUMBERS);
    m_quotation.m_style.m_bJoinLines = Checked(m_hWnd, IDC_JOINLINES);
    m_quotation.m_bHtml = Checked(m_hWnd, IDC_HTML) ? 1 : 0;
    m_quotation.m_passage.m_bKeepStrongNumbers = Checked(m_hWnd, IDC_KEEPSTRONG);
    m_quotation.m_bPasteIntoDocument = Checked(m_hWnd, IDC_PASTEINTODOCUMENT) ? 1 : 0;
    m_quotation.m_strTemplate = Utf8OfWide(DlgItemText(m_hWnd, IDC_TEMPLATE));
    return true;
}

CSettingsValues CSettingsDlg::Values() const {
    return CSettingsValues{Utf8OfWide(m_strDirectory), m_bTrayDef, m_bShowDlg,
                           HotkeyChar(TextOfWide(m_strHotkeyLaunch)), HotkeyChar(TextOfWide(m_strHotkeyRestore))};
}

void CSettingsDlg::OnBrowse() {
    UpdateData(true);
    CFolderPicker picker;
    picker.m_strCaption = L"Выберите каталог";
    picker.m_strTitle = L" ";
    if (picker.Browse(m_hWnd)) {  // modal over the dialog, which must not end meanwhile
        m_strDirectory = picker.m_strPath;
        UpdateData(false);
    }
}

bool CSettingsDlg::TemplateAccepted() const {
    const std::string strRefusal = QuotationTemplateError(m_quotation.m_strTemplate);
    if (strRefusal.empty()) return true;
    AfxMessageBox(m_hWnd, WideOfUtf8(strRefusal));
    SetFocus(GetDlgItem(m_hWnd, IDC_TEMPLATE));
    return false;
}

CHotkeyState CSettingsDlg::FieldState(int nField, int nId) const {
    const std::wstring text = DlgItemText(m_hWnd, nField);
    if (!m_probeHotkey || text.size() != 1) return CHotkeyState::Available;
    return m_probeHotkey(nId, HotkeyChar(TextOfWide(text)));
}

// With "Вставлять цитату в документ" the restore character also makes the
// Win+Shift hot key, which the restore field speaks for when only it is taken.
void CSettingsDlg::ShowHotkeyStatus() {
    SetDlgItemTextW(m_hWnd, IDC_STATUS_LAUNCH, HotkeyStatusText(FieldState(IDC_HOTKEY_LAUNCH, kHotkeyLaunch)));
    const CHotkeyState restore = FieldState(IDC_HOTKEY_RESTORE, kHotkeyRestore);
    const bool bReplaceTaken = restore == CHotkeyState::Available && Checked(m_hWnd, IDC_PASTEINTODOCUMENT) &&
                               FieldState(IDC_HOTKEY_RESTORE, kHotkeyReplace) == CHotkeyState::Taken;
    SetDlgItemTextW(m_hWnd, IDC_STATUS_RESTORE,
                    bReplaceTaken ? L"Win+Shift: занято другой программой" : HotkeyStatusText(restore));
}

INT_PTR CSettingsDlg::OnMessage(UINT nMessage, WPARAM wParam, LPARAM /*lParam*/) {
    if (nMessage == WM_INITDIALOG) return OnInitDialog();
    if (nMessage != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            if (UpdateData(true) && TemplateAccepted()) EndDialog(m_hWnd, IDOK);
            return TRUE;
        case IDCANCEL: EndDialog(m_hWnd, IDCANCEL); return TRUE;
        case IDC_BROWSE: OnBrowse(); return TRUE;
        case IDC_HOTKEY_LAUNCH:
        case IDC_HOTKEY_RESTORE:
            if (HIWORD(wParam) == EN_CHANGE) ShowHotkeyStatus();
            return TRUE;
        case IDC_PASTEINTODOCUMENT: ShowHotkeyStatus(); return TRUE;
        default: return FALSE;
    }
}

}  // namespace sorvanta
