#include "windows/quotedlg.h"

#include "windows/clipboard.h"
#include "windows/copydlg.h"
#include "windows/hostlauncher.h"
#include "windows/hotkeyprobe.h"
#include "windows/messagebox.h"
#include "windows/referencemenu.h"
#include "windows/resource.h"
#include "windows/settingsdlg.h"
#include "windows/wintext.h"

namespace sorvanta {

CQuoteDlg::CQuoteDlg(CQuoteSession& session) : CDialog(IDD_QUOTE), m_session(session), m_foundVerses(IDC_FOUNDVERSES) {
    const HINSTANCE hInstance = GetModuleHandleW(nullptr);
    m_hIcon = LoadIconW(hInstance, MAKEINTRESOURCEW(IDI_MAIN));
    m_bmpCaption = LoadBitmapW(hInstance, MAKEINTRESOURCEW(IDB_CAPTION));
}

CQuoteDlg::~CQuoteDlg() {
    if (m_bmpCaption != nullptr) DeleteObject(m_bmpCaption);
}

void CQuoteDlg::RunModalLoop() {
    if (Create(nullptr) == nullptr) return;
    MSG msg;
    while (m_hWnd != nullptr && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (m_foundVerses.PreTranslateMessage(msg) || PreTranslateMessage(msg)) continue;
        if (m_hWnd != nullptr && IsDialogMessageW(m_hWnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

BOOL CQuoteDlg::OnInitDialog() {
    SetPropW(m_hWnd, kMainWindowProperty, reinterpret_cast<HANDLE>(1));
    m_pHook = std::make_unique<CHookWnd>();
    m_pHook->InstallHook(m_hWnd);
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_session.LoadSettings();
    FillHistory();
    AttachReferenceMenu(GetDlgItem(m_hWnd, IDC_VERSE));
    m_bookComplete.Attach(GetDlgItem(m_hWnd, IDC_VERSE));
    RegisterHotkeys();
    InitTrayIcon();
    ScanModules();
    if (m_session.m_settings.m_bTrayDef != 0) {
        PostMessageW(m_hWnd, WM_SIZE, SIZE_MINIMIZED, 0);
    } else {
        SetFocus(GetDlgItem(m_hWnd, IDC_VERSE));
    }
    AddTrayIcon();
    CenterWindow();
    return FALSE;
}

void CQuoteDlg::OnDestroy() {
    if (m_bDestroyed) return;
    m_bDestroyed = true;
    m_session.SaveSettings();
    // Put back while the hook's child still exists: the main window hears of
    // its end before its children do.
    RemoveHook(m_hWnd);
    m_pHook.reset();
    if (m_bTrayShown) Shell_NotifyIconW(NIM_DELETE, &m_nid);
    RemovePropW(m_hWnd, kMainWindowProperty);
}

void CQuoteDlg::ShowMessages(const std::vector<std::string>& arrMessages) {
    for (const std::string& strMessage : arrMessages) AfxMessageBox(m_hWnd, WideOfText(strMessage));
}

void CQuoteDlg::ScanModules() {
    const HWND hModules = GetDlgItem(m_hWnd, IDC_MODULES);
    SendMessageW(hModules, CB_RESETCONTENT, 0, 0);
    const ModuleCatalogue& catalogue = m_session.ScanModules();
    // Names go into the list before the messages are shown, in the order found.
    for (std::size_t i = 0; i < catalogue.m_arrNames.size(); ++i) {
        const std::wstring name = WideOfText(catalogue.m_arrNames[i], catalogue.m_arrEncodings[i]);
        SendMessageW(hModules, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    ShowMessages(catalogue.m_arrMessages);
    SendMessageW(hModules, CB_SETCURSEL, static_cast<WPARAM>(m_session.m_nSelected), 0);
    OfferBookAbbreviations();
    UpdatePreview();
}

void CQuoteDlg::OfferBookAbbreviations() {
    std::vector<std::wstring> arrWords;
    for (const std::string& strBook : m_session.BookAbbreviations()) {
        arrWords.push_back(WideOfText(strBook, m_session.SelectedEncoding()));
    }
    m_bookComplete.SetWords(std::move(arrWords));
}

// The reference field's list, which sorts itself, holds the history.
void CQuoteDlg::FillHistory() {
    const HWND hVerse = GetDlgItem(m_hWnd, IDC_VERSE);
    const std::wstring typed = WindowText(hVerse);
    SendMessageW(hVerse, CB_RESETCONTENT, 0, 0);
    for (const std::string& strEntry : m_session.m_arrHistory) {
        const std::wstring verse = WideOfUtf8(strEntry);
        SendMessageW(hVerse, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(verse.c_str()));
    }
    SetWindowTextW(hVerse, typed.c_str());
}

bool CQuoteDlg::OnOK() {
    // While another program's selection is being copied, OK waits for it:
    // the clipboard still has to be put back.
    if (m_documentStep == CDocumentStep::KeysUp || m_documentStep == CDocumentStep::Copying) return false;
    const std::string strVerse = TextOfWide(DlgItemText(m_hWnd, IDC_VERSE));
    m_foundVerses.Close();
    const COkResult result = m_session.OnOK(strVerse);
    if (result.m_step == COkStep::Failed) {
        ShowMessages(result.m_arrMessages);
        return false;
    }
    if (result.m_step == COkStep::ChooseVerse) {
        // Words selected in a document quote nothing: the list is for the window.
        if (!m_bReplacing) ShowFoundVerses(result);
        return false;
    }
    FillHistory();
    if (result.m_step == COkStep::ShowQuoteWindow && !m_bReplacing) {
        CCopyDlg dlg(result);
        const bool bCopied = dlg.DoModal(m_hWnd) == IDOK;
        m_session.QuoteWindowEnded(bCopied, dlg.m_bDontShow);
        if (bCopied) {
            HideToTray();
            PasteIntoWriterWindow();
        }
        return true;
    }
    // Without the quote window the quotation goes to the clipboard at once:
    // hiding without copying would report a copy that never happened.
    // A selected reference is replaced where it stands; the window stays as it is.
    const std::wstring text = WideOfText(WithCrLf(result.m_strQuotation), result.m_encoding);
    const bool bCopied = CopyToClipboard(m_hWnd, text, result.m_strHtml);
    if (!bCopied) AfxMessageBox(m_hWnd, ClipboardFailureMessage());
    if (!m_bReplacing) HideToTray();
    if (bCopied) {
        PasteIntoWriterWindow();
    } else {
        m_hWriterWindow = nullptr;
        EndDocumentSteps();
    }
    return true;
}

void CQuoteDlg::OnSettings() {
    CSettingsDlg dlg(m_session.m_settings, m_session.m_quotation);
    dlg.m_probeHotkey = [this](int nId, char ch) {
        const CSettingsValues& held = m_session.m_settings;
        return ProbeHotkey(m_hWnd, nId, nId == kHotkeyLaunch ? held.m_chHotkeyLaunch : held.m_chHotkeyRestore, ch);
    };
    if (dlg.DoModal(m_hWnd) != IDOK) return;
    if (const std::string strFailure = m_session.ApplySettings(dlg.Values(), dlg.m_quotation); !strFailure.empty()) {
        AfxMessageBox(m_hWnd, WideOfUtf8(strFailure));
    }
    RegisterHotkeys();
    ScanModules();
}

void CQuoteDlg::OnRequest(CInstanceRequest request) {
    switch (request) {
        case CInstanceRequest::Show: BringToFront(); break;
        case CInstanceRequest::HotKeyLaunch: LaunchHost(m_hWnd); break;
        case CInstanceRequest::HotKeyRestore: BringToFront(); break;
    }
}

void CQuoteDlg::OnCommand(WORD nId, WORD nCode) {
    switch (nId) {
        case IDOK: OnOK(); break;
        case IDCANCEL:
        case ID_MENU_CLOSE: DestroyWindow(m_hWnd); break;
        case IDC_SETTINGS: OnSettings(); break;
        case IDC_FOUNDVERSES: QuoteFoundVerse(); break;
        case ID_MENU_RESTORE: BringToFront(); break;
        case ID_CLEAR_HISTORY:
            m_session.ClearHistory();
            FillHistory();  // keeps the typed text
            break;
        case IDC_MODULES:
            if (nCode == CBN_SELCHANGE) {
                m_session.SelectModule(static_cast<int>(SendDlgItemMessageW(m_hWnd, IDC_MODULES, CB_GETCURSEL, 0, 0)));
                OfferBookAbbreviations();
                UpdatePreview();
            }
            break;
        case IDC_VERSE:
            if (nCode == CBN_EDITCHANGE || nCode == CBN_SELCHANGE) UpdatePreview(nCode == CBN_SELCHANGE);
            break;
        default: break;
    }
}

INT_PTR CQuoteDlg::OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    m_foundVerses.OnOwnerMessage(nMessage, wParam, lParam);
    if (nMessage == kTrayCallbackMessage) return SetResult(OnTrayNotify(wParam, lParam));
    if (m_nTaskbarCreated != 0 && nMessage == m_nTaskbarCreated) {
        AddTrayIcon();  // the task bar started again and forgot the icon
        return TRUE;
    }
    switch (nMessage) {
        case WM_INITDIALOG: return OnInitDialog();
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_SIZE: OnSize(wParam); return FALSE;
        case WM_HOTKEY:
            if (wParam == kHotkeyLaunch) LaunchHost(m_hWnd);
            if (wParam == kHotkeyRestore) BringToFront();
            if (wParam == kHotkeyReplace) ReplaceSelectedReference();
            return TRUE;
        case WM_TIMER:
            if (wParam == kDocumentTimer) OnDocumentTimer();
            return TRUE;
        case WM_COPYDATA: {
            const auto* pData = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (pData->dwData != kRequestCopyData) return FALSE;
            const std::string_view line(static_cast<const char*>(pData->lpData), pData->cbData);
            const std::optional<CInstanceRequest> request = RequestOfLine(line);
            // Answered first, so the later start ends at once.
            ReplyMessage(TRUE);
            if (request) OnRequest(*request);
            return SetResult(TRUE);
        }
        case WM_QUERYDRAGICON: return SetResult(reinterpret_cast<LRESULT>(m_hIcon));
        case WM_NCPAINT: {
            const LRESULT nResult = DefWindowProcW(m_hWnd, nMessage, wParam, lParam);
            DrawCaptionButton();
            return SetResult(nResult);
        }
        case WM_NCACTIVATE: {
            const LRESULT nResult = DefWindowProcW(m_hWnd, nMessage, wParam, lParam);
            DrawCaptionButton();
            return SetResult(nResult);
        }
        case WM_NCLBUTTONDOWN: {
            const POINT pos{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (!IsOnCaptionButton(pos)) return FALSE;
            PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            return SetResult(0);
        }
        case WM_ENDSESSION:
            if (wParam != FALSE) m_session.SaveSettings();
            return FALSE;
        case WM_DESTROY: OnDestroy(); return FALSE;
        case WM_NCDESTROY: PostQuitMessage(0); return FALSE;
        default: return FALSE;
    }
}

}  // namespace sorvanta
