// The main window's settings: loaded once at start-up, saved at once when the
// settings dialog or the quote window changes them or a lookup adds to the
// history, and again at the end (the session's rules).
#include "app/quotedlg.h"
#include "settings/settingsdlg.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"

namespace sorvanta {

void CQuoteDlg::LoadSettings() {
    m_session.LoadSettings();
    FillHistory();
}

void CQuoteDlg::OnSettings() {
    CSettingsDlg dlg(m_session.m_settings, m_session.m_quotation, this);
    dlg.m_bDocumentPasteAvailable = DocumentPasteAvailable();
    dlg.m_probeHotkey = [this](int nId, char ch) { return m_pHotkeys->Probe(nId, HotkeyModifiers(nId), ch); };
    if (dlg.exec() != QDialog::Accepted) return;
    const std::string strFailure = m_session.ApplySettings(dlg.Values(), dlg.m_quotation);
    if (!strFailure.empty()) AfxMessageBox(ToQString(strFailure, TextEncoding::Utf8));
    RegisterHotkeys();
    ScanModules();
    // Switched on here, the person is asked now, where a desktop asks, and
    // once more if they refused before.
    if (m_pDocuments && m_session.m_quotation.m_bPasteIntoDocument != 0) m_pDocuments->PrepareToPaste(true);
}

void CQuoteDlg::RegisterHotkeys() {
    m_pHotkeys->UnregisterHotKey(kHotkeyLaunch);
    m_pHotkeys->RegisterHotKey(kHotkeyLaunch, HotkeyModifiers(kHotkeyLaunch), m_session.m_settings.m_chHotkeyLaunch);
    m_pHotkeys->UnregisterHotKey(kHotkeyRestore);
    m_pHotkeys->RegisterHotKey(kHotkeyRestore, HotkeyModifiers(kHotkeyRestore), m_session.m_settings.m_chHotkeyRestore);
    // The selected reference is replaced only where the writer's window can
    // be pasted into and its selection read.
    m_pHotkeys->UnregisterHotKey(kHotkeyReplace);
    if (m_pDocuments && m_pDocuments->ReadsSelection())
        m_pHotkeys->RegisterHotKey(kHotkeyReplace, HotkeyModifiers(kHotkeyReplace),
                                   m_session.m_settings.m_chHotkeyRestore);
}

}  // namespace sorvanta
