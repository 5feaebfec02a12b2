#include "lookup/reference.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

struct ParseCase {
    std::string typed, book, chapter, first, last;
};

TEST(ParseReference, CutsTypedTextIntoFourFields) {
    const ParseCase cases[] = {
        {"Ин 3:16", "Ин ", "3:", "16", ""},
        {"Ин 3:16-18", "Ин ", "3:", "16", "18"},
        {"Ин 3:16 - 18", "Ин ", "3:", "16", "18"},
        {"Пс 118:1-3", "Пс ", "118:", "1", "3"},
        {"Ин 3 16", "Ин ", "3", "16", ""},
        {"Ин 3 гл. 5", "Ин ", "3 гл.", "5", ""},
        {"Ин 13", "Ин ", "13", "", ""},
        {"1Кор 13:4-7", "1Кор ", "13:", "4", "7"},
        {"Ин3,16", "Ин", "3,", "16", ""},
        {"Ин 3:16-", "Ин ", "3:", "16", ""},
        {"Ин 3:16-абв", "Ин ", "3:", "16", "абв"},
        {"Ин", "", "Ин", "", ""},
        {"3", "", "3", "", ""},
        {"12", "1", "2", "", ""},
        {"", "", "", "", ""},
        {"  \tИн 3:16 \r\n", "Ин ", "3:", "16", ""},
        {"Ин 3:1-2-3", "Ин ", "3:", "1", "2-3"},
        {"Ин  3 :  16  -  18  ", "Ин  ", "3 :", "16", "18"},
        {"Ин 3:16 ст", "Ин ", "3:", "16 ст", ""},
        {"Ин 3.16.", "Ин ", "3.", "16.", ""},
    };
    for (const ParseCase& c : cases) {
        const Reference reference = ParseReference(Cp(c.typed));
        EXPECT_EQ(reference.m_strBook, Cp(c.book)) << c.typed;
        EXPECT_EQ(reference.m_strChapter, Cp(c.chapter)) << c.typed;
        EXPECT_EQ(reference.m_strFirstVerse, Cp(c.first)) << c.typed;
        EXPECT_EQ(reference.m_strLastVerse, Cp(c.last)) << c.typed;
    }
}

// The en dash, the em dash and (in UTF-8) the minus sign split a range as
// "-" does; the first of them splits.
TEST(ParseReference, DashesSplitARangeInTheModulesEncoding) {
    struct Case {
        std::string typed;
        TextEncoding encoding;
        std::string first, last;
    };
    const Case cases[] = {
        {Cp("Ин 3:16–18"), TextEncoding::Cp1251, "16", "18"},
        {Cp("Ин 3:16—18-20"), TextEncoding::Cp1251, "16", Cp("18-20")},
        {Cp("Ин 3:16–"), TextEncoding::Cp1251, "16", ""},
        {"Ин 3:16–18", TextEncoding::Utf8, "16", "18"},
        {"Ин 3:16−18", TextEncoding::Utf8, "16", "18"},
        {"Ин 3:16-18–20", TextEncoding::Utf8, "16", "18–20"},
        {"Ин 3:16", TextEncoding::Utf8, "16", ""},
    };
    for (const Case& c : cases) {
        const Reference reference = ParseReference(c.typed, c.encoding);
        EXPECT_EQ(reference.m_strFirstVerse, c.first) << c.typed;
        EXPECT_EQ(reference.m_strLastVerse, c.last) << c.typed;
    }
}

TEST(ParseReference, HugeInputIsCutWithoutTrouble) {
    const Reference reference = ParseReference("Jn " + std::string(100000, '7') + ":" + std::string(50000, '1'));
    EXPECT_EQ(reference.m_strBook, "Jn ");
    EXPECT_EQ(reference.m_strChapter.size(), 100001u);
    EXPECT_EQ(reference.m_strFirstVerse.size(), 50000u);
}

}  // namespace
}  // namespace sorvanta
