#include "settings/settingsstore.h"

#include <QSettings>

#include "platform/log.h"
#include "ui/qtext.h"

namespace sorvanta {

namespace {

constexpr const char* kGroup = "Settings";
constexpr const char* kDirectory = "Directory";
constexpr const char* kTrayDef = "TrayDef";
constexpr const char* kShowDlg = "ShowDlg";
constexpr const char* kHotkeyLaunch = "hkOrvanel";
constexpr const char* kHotkeyRestore = "hkTray";

}  // namespace

int ProfileIntOfChar(char ch) {
    return static_cast<signed char>(ch);
}

char CharOfProfileInt(int nValue) {
    return static_cast<char>(static_cast<unsigned>(nValue) & 0xFFu);
}

CSettingsValues LoadSettingsValues(QSettings& profile) {
    CSettingsValues values;
    profile.beginGroup(kGroup);
    values.m_strDirectory = PathFromQString(profile.value(kDirectory, QString()).toString());
    values.m_bTrayDef = profile.value(kTrayDef, 0).toInt();
    values.m_bShowDlg = profile.value(kShowDlg, 1).toInt();
    values.m_chHotkeyLaunch = CharOfProfileInt(profile.value(kHotkeyLaunch, kDefaultHotkeyChar).toInt());
    values.m_chHotkeyRestore = CharOfProfileInt(profile.value(kHotkeyRestore, kDefaultHotkeyChar).toInt());
    profile.endGroup();
    return values;
}

void SaveSettingsValues(QSettings& profile, const CSettingsValues& values) {
    profile.beginGroup(kGroup);
    profile.setValue(kDirectory, PathToQString(values.m_strDirectory));
    profile.setValue(kTrayDef, values.m_bTrayDef);
    profile.setValue(kShowDlg, values.m_bShowDlg);
    profile.setValue(kHotkeyLaunch, ProfileIntOfChar(values.m_chHotkeyLaunch));
    profile.setValue(kHotkeyRestore, ProfileIntOfChar(values.m_chHotkeyRestore));
    profile.endGroup();
    profile.sync();
    if (profile.status() != QSettings::NoError) {
        qCWarning(lcSorvanta) << "the settings could not be written to" << profile.fileName();
    }
}

}  // namespace sorvanta
