#include "modules/keyline.h"

#include <gtest/gtest.h>

#include <optional>

#include "modules/markers.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

TEST(KeyLine, EachKeyIsJudgedBySubstringAndCommentPosition) {
    struct Case {
        std::string line;
        std::string_view key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"// BibleName = Старое имя", kBibleNameKey, std::nullopt},
        {"BibleName = Новое имя // прежнее", kBibleNameKey, "Новое имя // прежнее"},
        {"XBibleName = Y", kBibleNameKey, "Y"},
        {"BibleName =Имя", kBibleNameKey, "Имя"},
        {"BibleName =   \t", kBibleNameKey, ""},
        {"BibleName =", kBibleNameKey, ""},
        {"BibleName = a = b", kBibleNameKey, "a = b"},
        {"biblename = x", kBibleNameKey, std::nullopt},
        {"BibleName= x", kBibleNameKey, std::nullopt},
        {"BibleName  = x", kBibleNameKey, std::nullopt},
        {"BibleName\t= x", kBibleNameKey, std::nullopt},
        {"ChapterSign = Глава VerseSign = Стих", kChapterSignKey, "Глава VerseSign = Стих"},
        {"ChapterSign = Глава VerseSign = Стих", kVerseSignKey, "Стих"},
        {"VerseSign = Стих // ChapterSign = Глава", kVerseSignKey, "Стих // ChapterSign = Глава"},
        {"VerseSign = Стих // ChapterSign = Глава", kChapterSignKey, std::nullopt},
        {"a//b VerseSign = x", kVerseSignKey, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::string line = Cp(c.line);
        const auto value = KeyLineValue(line, c.key);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << c.line;
        if (value) {
            EXPECT_EQ(*value, Cp(*c.value)) << c.line;
        }
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
