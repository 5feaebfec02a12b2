// The profile's text: values in and out, lines kept as they stand, and what
// cannot be parsed.
#include "profile/profile.h"

#include <gtest/gtest.h>

#include "support/cases.h"

namespace sorvanta {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

TEST(Profile, EveryValueComesBackAsSetAndWhatCannotBeParsedIsRefused) {
    CProfile profile;
    const std::vector<test::CCase> cases = test::ReadCases("profilevalues.tsv");
    for (const test::CCase& c : cases) profile.Group("Settings").SetValue(c.Where(), c["value"]);
    const std::optional<CProfile> read = CProfile::Parse(profile.Text());
    ASSERT_TRUE(read);
    for (const test::CCase& c : cases) {
        EXPECT_EQ(read->FindGroup("Settings")->Value(c.Where()), c["value"]) << profile.Text();
        EXPECT_EQ(CProfile::Parse(c["text"]).has_value(), c["parses"] == "yes") << c.Where();
    }
}

TEST(Profile, UnchangedLinesAreWrittenBackAsTheyStand) {
    std::optional<CProfile> profile = CProfile::Parse(
        "top=1\r\n; a comment\n[Settings]\nDirectory=/a,b\nShowDlg = 1\nnot a value\n\n\n[History]\n"
        "1=\"\xd0\x98\xd0\xbd 3:16\"\n[Settings]\nhkTray=-63\n");
    ASSERT_TRUE(profile);
    profile->Group("Settings").SetValue("Directory", "/a,b");
    profile->Group("Settings").SetValue("ShowDlg", "0");
    profile->Group("History").SetValue("1", "\xd0\x98\xd0\xbd 3:16");
    profile->Group("Format").SetValue("Separator", ". ");
    EXPECT_EQ(profile->Text(),
              "top=1\n; a comment\n\n[Settings]\nDirectory=/a,b\nShowDlg=0\nnot a value\nhkTray=-63\n\n"
              "[History]\n1=\"\xd0\x98\xd0\xbd 3:16\"\n\n[Format]\nSeparator=\". \"\n");
}

TEST(Profile, AGroupListsSetsAndRemovesItsValues) {
    std::optional<CProfile> profile = CProfile::Parse("[History]\n1=a\n; mine\n2=b\n[Other]\nx=1\n[History]\n1=c\n");
    ASSERT_TRUE(profile);
    CProfileGroup& history = profile->Group("History");
    EXPECT_EQ(history.Values(), (Values{{"1", "c"}, {"2", "b"}}));  // a later line of a key wins
    history.RemoveValues();
    history.SetValue("2", "d");
    history.SetValue("1", "e");
    EXPECT_EQ(history.Values(), (Values{{"2", "d"}, {"1", "e"}}));
    EXPECT_EQ(profile->Text(), "[History]\n; mine\n2=d\n1=e\n\n[Other]\nx=1\n");
    EXPECT_EQ(profile->FindGroup("Missing"), nullptr);
}

}  // namespace
}  // namespace sorvanta
