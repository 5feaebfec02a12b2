#include "lookup/citation.h"

#include <gtest/gtest.h>

#include <random>

#include "lookup/htmlcitation.h"
#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

CCitationStyle StyleOf(const test::CCase& c) {
    return {*CitationFormatByName(c["format"]), c["numbers"] == "yes", c["join"] == "yes"};
}

TEST(FormatCitation, CasesCiteAsTheirTableSays) {
    for (const test::CCase& c : test::ReadCases("citation.tsv")) {
        const bool bUtf8 = c["encoding"] == "utf8";
        const auto text = [&](const std::string& column) { return bUtf8 ? c[column] : c.Cp(column); };
        EXPECT_EQ(FormatCitation(text("reference"), text("passage"), StyleOf(c),
                                 bUtf8 ? TextEncoding::Utf8 : TextEncoding::Cp1251),
                  text("citation"))
            << c.Where();
    }
}

// The HTML is UTF-8 whichever encoding the passage comes in.
TEST(FormatCitationHtml, CasesCiteAsTheirTableSays) {
    for (const test::CCase& c : test::ReadCases("citation-html.tsv")) {
        EXPECT_EQ(FormatCitationHtml(c.Cp("reference"), c.Cp("passage"), StyleOf(c), TextEncoding::Cp1251), c["html"])
            << c.Where();
        EXPECT_EQ(FormatCitationHtml(c["reference"], c["passage"], StyleOf(c), TextEncoding::Utf8), c["html"])
            << c.Where();
    }
}

// The default style gives the reference as typed, ". " and any passage at
// all byte for byte.
TEST(FormatCitation, TheDefaultStyleKeepsThePassageAsItIs) {
    std::mt19937 random(13);
    const std::string_view alphabet = "12 \t\r\naZ\xC0\xFF";
    for (int round = 0; round < 3000; ++round) {
        std::string strPassage(random() % 24, ' ');
        for (char& ch : strPassage) ch = alphabet[random() % alphabet.size()];
        for (const char* reference : {"Kn 1", "Kn 1:1", "Kn 1:1-2"}) {
            ASSERT_EQ(FormatCitation(reference, strPassage, {}, TextEncoding::Cp1251), reference + (". " + strPassage));
        }
    }
}

}  // namespace
}  // namespace sorvanta
