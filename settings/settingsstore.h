// The five settings kept between runs, in the per-user profile store
// (QSettings: organisation "Sorvanta", application = executable base name,
// group "Settings").
#pragma once

#include <string>

class QSettings;

namespace sorvanta {

inline constexpr int kDefaultHotkeyChar = 66;  // "B"

struct CSettingsValues {
    std::string m_strDirectory;  // native path
    int m_bTrayDef = 0;
    int m_bShowDlg = 1;
    char m_chHotkeyLaunch = kDefaultHotkeyChar;
    char m_chHotkeyRestore = kDefaultHotkeyChar;
};

// A hot-key character is stored as its byte sign-extended to an integer
// (0xC1 "Б" as -63) and loaded as the low byte of the integer (322 as 66).
int ProfileIntOfChar(char ch);
char CharOfProfileInt(int nValue);

// Reads the five values, each with its default when absent.
CSettingsValues LoadSettingsValues(QSettings& profile);
// Writes all five values, changed or not.
void SaveSettingsValues(QSettings& profile, const CSettingsValues& values);

}  // namespace sorvanta
