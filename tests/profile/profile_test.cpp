// The profile's text: values in and out, lines kept as they stand, and what
// cannot be parsed.
#include "profile/profile.h"

#include <gtest/gtest.h>

namespace sorvanta {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

TEST(Profile, EveryValueComesBackAsSet) {
    const std::string values[] = {"/a,b",
                                  "/a;b=c",
                                  "/\xff\xfe not UTF-8",
                                  " blanks ",
                                  "@at",
                                  "@@",
                                  "\"quoted\" back\\slash",
                                  "\1a\tb\nc\rd\x1f",
                                  "",
                                  "/\xd0\x91\xd0\xb8"};
    CProfile profile;
    for (std::size_t i = 0; i < std::size(values); ++i) {
        profile.Group("Settings").SetValue(std::to_string(i), values[i]);
    }
    const std::optional<CProfile> read = CProfile::Parse(profile.Text());
    ASSERT_TRUE(read);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(read->FindGroup("Settings")->Value(std::to_string(i)), values[i]) << profile.Text();
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

TEST(Profile, ANulByteOrAnUnclosedGroupLineCannotBeParsed) {
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"[Settings]\nDirectory=/x\n", true},
        {"some text of another kind\n", true},
        {std::string("[Settings]\nDirectory=/x\0\0\0", 26), false},
        {std::string(64, '\0'), false},
        {"[Settings\nDirectory=/x\n", false},
    };
    for (const auto& [text, bParses] : cases) EXPECT_EQ(CProfile::Parse(text).has_value(), bParses) << text;
}

}  // namespace
}  // namespace sorvanta
