// The five settings of the desktop program, kept in group "Settings" of its
// profile; the command-line tool reads the module root from there too.
#pragma once

#include <string>

#include "profile/profile.h"

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

// The five values, each with its default when it is absent, and an integer
// value also when it is not a decimal integer of 32 bits ("abc", "12x").
CSettingsValues LoadSettingsValues(const CProfile& profile);
// Whether the profile names a module root at all (an empty one counts): a
// profile without one is a first start.
bool HasModuleRoot(const CProfile& profile);
// Sets all five values, changed or not; every other line stays.
void StoreSettingsValues(CProfile& profile, const CSettingsValues& values);

}  // namespace sorvanta
