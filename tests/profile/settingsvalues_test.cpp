// The five settings in the profile: defaults, the byte rule of the hot-key
// characters, values of the wrong kind, and what a save writes.
#include "profile/settingsvalues.h"

#include <gtest/gtest.h>

#include "profile/quotationvalues.h"
#include "support/cases.h"

namespace sorvanta {
namespace {

// The values loaded, written as one line: directory|tray|dialog|launch key|restore key.
std::string Loaded(const CSettingsValues& values) {
    return values.m_strDirectory + "|" + std::to_string(values.m_bTrayDef) + "|" + std::to_string(values.m_bShowDlg) +
           "|" + std::to_string(static_cast<unsigned char>(values.m_chHotkeyLaunch)) + "|" +
           std::to_string(static_cast<unsigned char>(values.m_chHotkeyRestore));
}

TEST(SettingsValues, LoadWithTheDefaultsOfAbsentOrUnusableValues) {
    for (const test::CCase& c : test::ReadCases("settingsvalues.tsv"))
        EXPECT_EQ(Loaded(LoadSettingsValues(*CProfile::Parse(c["profile"]))), c["values"]) << c.Where();
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

// The newest references typed, numbered from 1 up; an unchanged history is not rewritten.
TEST(QuotationValues, TheHistoryKeepsTheNewestReferencesInOrder) {
    std::vector<std::string> history;
    for (std::size_t i = 0; i <= kHistoryLength; ++i) history.push_back("r" + std::to_string(i));
    CProfile profile;
    StoreHistory(profile, history);
    EXPECT_EQ(LoadHistory(profile), std::vector<std::string>(history.begin() + 1, history.end()));
    EXPECT_TRUE(profile.Text().starts_with("[History]\n1=r1\n2=r2\n")) << profile.Text();
}

}  // namespace
}  // namespace sorvanta
