#include "modules/keyline.h"

#include <gtest/gtest.h>

#include "modules/markers.h"
#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

TEST(KeyLine, EachKeyIsJudgedBySubstringAndCommentPosition) {
    for (const test::CCase& c : test::ReadCases("keyline.tsv")) {
        const std::string line = c.Cp("line");
        const auto value = KeyLineValue(line, c["key"]);
        EXPECT_EQ(value.value_or("(none)"), c.Cp("value")) << c.Where();
    }
}

TEST(ModuleMarkers, LastCountingLineWinsAndMissingKeysKeepTheOldValue) {
    test::CTempDir dir;
    const std::string strFull = dir.Write("a/orvanel.ini",
                                          "ChapterSign = <h3>\r\n"
                                          "// ChapterSign = <h9>\r\n"
                                          "ChapterSign = <h4>\r\n"
                                          "VerseSign = <p>");
    const std::string strChapterOnly = dir.Write("b/orvanel.ini", "ChapterSign = Глава\n");
    const std::string strEmptyValue = dir.Write("c/orvanel.ini", "ChapterSign =\nVerseSign =  \n");

    ModuleMarkers markers;
    EXPECT_TRUE(ReadModuleMarkers(strFull, markers));
    EXPECT_EQ(markers.m_strChapterSign, "<h4>");
    EXPECT_EQ(markers.m_strVerseSign, "<p>");

    EXPECT_TRUE(ReadModuleMarkers(strChapterOnly, markers));
    EXPECT_EQ(markers.m_strChapterSign, "Глава");
    EXPECT_EQ(markers.m_strVerseSign, "<p>");  // survives from the module read before

    EXPECT_FALSE(ReadModuleMarkers(dir.Path() + "/missing/orvanel.ini", markers));
    EXPECT_FALSE(ReadModuleMarkers(dir.MakeDir("d/orvanel.ini"), markers));
    EXPECT_EQ(markers.m_strChapterSign, "Глава");
    EXPECT_EQ(markers.m_strVerseSign, "<p>");

    EXPECT_TRUE(ReadModuleMarkers(strEmptyValue, markers));
    EXPECT_EQ(markers.m_strChapterSign, "");
    EXPECT_EQ(markers.m_strVerseSign, "");
}

}  // namespace
}  // namespace sorvanta
