// The main window's settings: loaded once at start-up, saved at once when the
// settings dialog or the quote window changes them or a lookup adds to the
// history, and again at the end.
#include "app/quotedlg.h"
#include "modules/moduleroots.h"
#include "settings/settingsdlg.h"
#include "settings/settingsmessages.h"
#include "settings/settingsstore.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"

namespace sorvanta {

CSettingsValues CQuoteDlg::SettingsValues() const {
    return CSettingsValues{m_strDirectory, m_bTrayDef, m_bShowDlg, m_chHotkeyLaunch, m_chHotkeyRestore};
}

void CQuoteDlg::ApplySettingsValues(const CSettingsValues& values) {
    m_strDirectory = values.m_strDirectory;
    m_bTrayDef = values.m_bTrayDef;
    m_bShowDlg = values.m_bShowDlg;
    m_chHotkeyLaunch = values.m_chHotkeyLaunch;
    m_chHotkeyRestore = values.m_chHotkeyRestore;
}

void CQuoteDlg::LoadSettings() {
    const CProfile profile = LoadProfile(SettingsProfilePath());
    ApplySettingsValues(LoadSettingsValues(profile));
    m_quotation = LoadQuotationValues(profile);
    for (const std::string& strEntry : LoadHistory(profile)) AddToHistory(strEntry);
    // Without a module root (a first start, or none found before) the host's
    // modules are looked for where they usually are; a root found is taken as
    // if chosen in the settings dialog.
    if (m_strDirectory.empty()) {
        m_strDirectory = FindDefaultModuleRoot();
        if (!m_strDirectory.empty()) SaveSettings();
    }
}

bool CQuoteDlg::SaveSettings() {
    return UpdateProfile(SettingsProfilePath(), [this](CProfile& profile) {
        StoreSettingsValues(profile, SettingsValues());
        StoreQuotationValues(profile, m_quotation);
        StoreHistory(profile, m_arrHistory);
    });
}

void CQuoteDlg::OnSettings() {
    CSettingsDlg dlg(SettingsValues(), m_quotation, this);
    dlg.m_bDocumentPasteAvailable = DocumentPasteAvailable();
    dlg.m_probeHotkey = [this](int nId, char ch) {
        return m_pHotkeys->Probe(nId, nId == kHotkeyLaunch ? kModAlt | kModControl : kModWin, ch);
    };
    if (dlg.exec() != QDialog::Accepted) return;
    ApplySettingsValues(dlg.Values());
    m_quotation = dlg.m_quotation;
    if (!SaveSettings()) AfxMessageBox(SettingsNotSavedMessage(PathToQString(SettingsProfilePath())));
    RegisterHotkeys();
    ScanModules();
}

void CQuoteDlg::RegisterHotkeys() {
    m_pHotkeys->UnregisterHotKey(kHotkeyLaunch);
    m_pHotkeys->RegisterHotKey(kHotkeyLaunch, kModAlt | kModControl, m_chHotkeyLaunch);
    m_pHotkeys->UnregisterHotKey(kHotkeyRestore);
    m_pHotkeys->RegisterHotKey(kHotkeyRestore, kModWin, m_chHotkeyRestore);
    // The selected reference is replaced only where the writer's window can
    // be pasted into.
    m_pHotkeys->UnregisterHotKey(kHotkeyReplace);
    if (m_pDocuments) m_pHotkeys->RegisterHotKey(kHotkeyReplace, kModWin | kModShift, m_chHotkeyRestore);
}

}  // namespace sorvanta
