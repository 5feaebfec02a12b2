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

// The bytes the markers cut out of a text, (book) standing for the test book.
TEST(ExtractPassage, CutsTheExactBytes) {
    for (const test::CCase& c : test::ReadCases("extract-bytes.tsv")) {
        const std::string strText = c["text"] == "(book)" ? kBook : c["text"];
        EXPECT_EQ(ExtractPassage(strText, ParseReference(c["typed"]), c["chapter"], c["verse"]), c.Cp("passage"))
            << c.Where();
    }
}

}  // namespace
}  // namespace sorvanta
