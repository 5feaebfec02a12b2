#include "lookup/extract.h"

#include <gtest/gtest.h>

#include "lookup/clean.h"
#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

const std::string kBook = test::FileContents(SORVANTA_TEST_DATA "/root/a_kn/kn.htm");

// The quoted text of the example book, as the lookup cleans it.
std::string Quote(const std::string& strTyped) {
    const Reference reference = ParseReference(Cp(strTyped));
    return CleanPassage(ExtractPassage(kBook, reference, "<h4>", "<p>"), reference.m_strFirstVerse);
}

TEST(ExtractPassage, CountsChapterAndVerseMarkers) {
    for (const test::CCase& c : test::ReadCases("extract.tsv"))
        EXPECT_EQ(Quote(c["typed"]), c.Cp("quoted")) << c.Where();
}

TEST(ExtractPassage, CutsTheExactBytes) {
    const Reference chapter = ParseReference("X 1");
    EXPECT_EQ(ExtractPassage(kBook, chapter, "<h4>", "<p>"), kBook.substr(7, kBook.find("<h4>", 10) - 7));
    // A chapter marker at the very start of the text: the chapter starts at 0.
    EXPECT_EQ(ExtractPassage("<h4>A<p>1 x", chapter, "<h4>", "<p>"), "<h4>A<p>1 x");
    EXPECT_EQ(ExtractPassage("<h4>A<p>1 x<p>2 y", ParseReference("X 1:1"), "<h4>", "<p>"), "<p>1 x");
}

TEST(ExtractPassage, EmptyMarkersOrTextFindNothing) {
    const Reference verse = ParseReference("X 1:1");
    EXPECT_EQ(ExtractPassage(kBook, verse, "", "<p>"), "");
    EXPECT_EQ(ExtractPassage(kBook, verse, "<h4>", ""), "");
    EXPECT_EQ(ExtractPassage("", verse, "<h4>", "<p>"), "");
    EXPECT_EQ(ExtractPassage(kBook, verse, "<H4>", "<p>"), "");               // markers are case-sensitive
    EXPECT_NE(ExtractPassage(kBook, ParseReference("X 1"), "<h4>", ""), "");  // a chapter needs no verse marker
}

TEST(ExtractPassage, OverlappingMarkersCountEachOccurrence) {
    // "aa" occurs at 0, 1 and 2 of "aaaa": three chapters.
    EXPECT_EQ(ExtractPassage("aaaa", ParseReference("X 3"), "aa", "v"), "aaa");
    EXPECT_EQ(ExtractPassage("aaaa", ParseReference("X 4"), "aa", "v"), "");
}

}  // namespace
}  // namespace sorvanta
