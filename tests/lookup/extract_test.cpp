#include "lookup/extract.h"

#include <gtest/gtest.h>

#include "lookup/clean.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

const std::string kBook =
    Cp("<html>\r\n"
       "<h4>Глава 1</h4>\r\n"
       "<p>1 Alpha\r\n"
       "<p>2 Beta\r\n"
       "<p>3 Gamma\r\n"
       "<h4>Глава 2</h4>\r\n"
       "<p>1 Delta\r\n"
       "<p>2 Epsilon\r\n");

// The quoted text of the example book, as the lookup cleans it.
std::string Quote(const std::string& strTyped) {
    const Reference reference = ParseReference(Cp(strTyped));
    return CleanPassage(ExtractPassage(kBook, reference, "<h4>", "<p>"), reference.m_strFirstVerse);
}

TEST(ExtractPassage, CountsChapterAndVerseMarkers) {
    const std::pair<std::string, std::string> cases[] = {
        {"Кн 1:1", "Alpha"},
        {"Кн 1:2", "Beta"},
        {"Кн 1:1-2", "Alpha\r\n2 Beta"},
        {"Кн 1", "Глава 1\r\n1 Alpha\r\n2 Beta\r\n3 Gamma"},
        {"Кн 2", "Глава 2\r\n1 Delta\r\n2 Epsilon"},
        {"Кн 2:1", "Delta"},
        {"Кн 2:1-2", "Delta\r\n2 Epsilon"},
        {"Кн 2:2", "Epsilon"},
        // A request reaching the last verse of a chapter ends at the next chapter.
        {"Кн 1:3", "Gamma"},
        {"Кн 1:2-3", "Beta\r\n3 Gamma"},
        {"Кн 1:1-3", "Alpha\r\n2 Beta\r\n3 Gamma"},
        // A range running past the chapter's end is cut at it.
        {"Кн 1:2-4", "Beta\r\n3 Gamma"},
        {"Кн 1:4", ""},
        {"Кн 3", ""},
        {"Кн 0", ""},
        {"Кн 1:0", ""},
        {"Кн 1:2-1", ""},
        {"Кн 1:2-2", ""},
        {"Кн 1:1-абв", ""},
        {"Кн 2:3", ""},
        {"Кн 99999999999999999999:1", ""},
    };
    for (const auto& [typed, quoted] : cases) EXPECT_EQ(Quote(typed), Cp(quoted)) << typed;
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
