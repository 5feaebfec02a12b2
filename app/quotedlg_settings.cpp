// The main window's settings: loaded once at start-up, saved once at the end.
#include <QSettings>

#include "app/quotedlg.h"
#include "settings/settingsdlg.h"
#include "settings/settingsstore.h"

namespace sorvanta {

void CQuoteDlg::LoadSettings() {
    QSettings profile;
    const CSettingsValues values = LoadSettingsValues(profile);
    m_strDirectory = values.m_strDirectory;
    m_bTrayDef = values.m_bTrayDef;
    m_bShowDlg = values.m_bShowDlg;
    m_chHotkeyLaunch = values.m_chHotkeyLaunch;
    m_chHotkeyRestore = values.m_chHotkeyRestore;
}

void CQuoteDlg::SaveSettings() {
    QSettings profile;
    SaveSettingsValues(profile, CSettingsValues{m_strDirectory, m_bTrayDef, m_bShowDlg, m_chHotkeyLaunch,
                                                m_chHotkeyRestore});
}

void CQuoteDlg::OnSettings() {
    CSettingsDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted) return;
    m_strDirectory = dlg.m_strDirectory;
    m_bTrayDef = dlg.m_bTrayDef;
    m_bShowDlg = dlg.m_bShowDlg;
    // An empty field stores the character 0.
    m_chHotkeyLaunch = dlg.m_strHotkeyLaunch.empty() ? '\0' : dlg.m_strHotkeyLaunch.front();
    m_chHotkeyRestore = dlg.m_strHotkeyRestore.empty() ? '\0' : dlg.m_strHotkeyRestore.front();
    RegisterHotkeys();
    ScanModules();
}

void CQuoteDlg::RegisterHotkeys() {
    m_pHotkeys->UnregisterHotKey(kHotkeyLaunch);
    m_pHotkeys->RegisterHotKey(kHotkeyLaunch, kModAlt | kModControl, m_chHotkeyLaunch);
    m_pHotkeys->UnregisterHotKey(kHotkeyRestore);
    m_pHotkeys->RegisterHotKey(kHotkeyRestore, kModWin, m_chHotkeyRestore);
}

}  // namespace sorvanta
