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
// value also when it is not a decimal integer of 32 bits ("abc", "12x"). A
// module root absent or empty is one never chosen: a first start.
CSettingsValues LoadSettingsValues(const CProfile& profile);
// Sets the values, changed or not; every other line stays. An empty module
// root is a root never chosen and is not written: the next start searches
// for one again.
void StoreSettingsValues(CProfile& profile, const CSettingsValues& values);

}  // namespace sorvanta
