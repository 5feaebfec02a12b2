// The five settings in the profile: defaults, the byte rule of the hot-key
// characters, values of the wrong kind, and what a save writes.
#include "profile/settingsvalues.h"

#include <gtest/gtest.h>

namespace sorvanta {
namespace {

struct CLoadCase {
    std::string m_strText;
    CSettingsValues m_values;
};

bool operator==(const CSettingsValues& a, const CSettingsValues& b) {
    return a.m_strDirectory == b.m_strDirectory && a.m_bTrayDef == b.m_bTrayDef && a.m_bShowDlg == b.m_bShowDlg &&
           a.m_chHotkeyLaunch == b.m_chHotkeyLaunch && a.m_chHotkeyRestore == b.m_chHotkeyRestore;
}

TEST(SettingsValues, LoadWithTheDefaultsOfAbsentOrUnusableValues) {
    const CLoadCase cases[] = {
        {"", {"", 0, 1, 'B', 'B'}},
        {"[Other]\nShowDlg=0\n", {"", 0, 1, 'B', 'B'}},
        {"[Settings]\nDirectory=/m\nTrayDef=1\nShowDlg=7\nhkOrvanel=-63\nhkTray=0\n", {"/m", 1, 7, '\xC1', '\0'}},
        {"[Settings]\nhkOrvanel=322\nhkTray=-1\n", {"", 0, 1, 'B', '\xFF'}},
        {"[Settings]\nhkOrvanel=255\nhkTray=+67\nTrayDef=\" 1\"\n", {"", 1, 1, '\xFF', 'C'}},
        // Text where a number belongs: the default, as if absent.
        {"[Settings]\nTrayDef=yes\nShowDlg=abc\nhkOrvanel=12x\nhkTray=\n", {"", 0, 1, 'B', 'B'}},
        {"[Settings]\nTrayDef=0x10\nShowDlg=99999999999\nhkOrvanel=+-1\nhkTray=1.5\n", {"", 0, 1, 'B', 'B'}},
    };
    for (const CLoadCase& loadCase : cases) {
        EXPECT_TRUE(LoadSettingsValues(*CProfile::Parse(loadCase.m_strText)) == loadCase.m_values)
            << loadCase.m_strText;
    }
}

TEST(SettingsValues, EveryValueIsWrittenOnEverySave) {
    CProfile profile;
    StoreSettingsValues(profile, CSettingsValues{"/модули/Orvanel", 1, 0, '\xC1', '\0'});
    EXPECT_EQ(profile.Text(), "[Settings]\nDirectory=/модули/Orvanel\nTrayDef=1\nShowDlg=0\nhkOrvanel=-63\nhkTray=0\n");
    StoreSettingsValues(profile, CSettingsValues{});  // a root never chosen leaves the one there
    EXPECT_EQ(profile.Text(), "[Settings]\nDirectory=/модули/Orvanel\nTrayDef=0\nShowDlg=1\nhkOrvanel=66\nhkTray=66\n");
    CProfile first;
    StoreSettingsValues(first, CSettingsValues{});  // and writes none: the next start searches again
    EXPECT_EQ(first.Text(), "[Settings]\nTrayDef=0\nShowDlg=1\nhkOrvanel=66\nhkTray=66\n");
    const std::pair<char, int> saves[] = {{'B', 66}, {'\xC1', -63}, {'\0', 0}, {'\x7F', 127}, {'\x80', -128}};
    for (const auto& [ch, nStored] : saves) EXPECT_EQ(ProfileIntOfChar(ch), nStored);
}

}  // namespace
}  // namespace sorvanta
