// The book abbreviations a module offers for the reference field.
#include "lookup/abbreviations.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

TEST(BookAbbreviations, AreTheWordsTwoLinesBelowAnExistingBookFile) {
    test::CTempDir dir;
    dir.Write("m/gen.htm", "");
    dir.Write("m/EXO.HTM", "");
    dir.Write("m/orvanel.ini",
              "BibleName = Example\r\nChapterSign = <h4>\r\nVerseSign = <p>\r\n"
              "X = gen.htm\r\nY = 50\r\nZ = \xc1\xfb\xf2 Gen  Ge\r\n"
              "X = exo.htm\r\nY = 40\r\n\xc8\xf1\xf5 Gen\r\n"  // no "=", a word listed already
              "X = missing.htm\r\nY = 1\r\nZ = Nope");
    EXPECT_EQ(ListBookAbbreviations(dir.Path() + "/m/orvanel.ini"),
              (std::vector<std::string>{"\xc1\xfb\xf2", "Gen", "Ge", "\xc8\xf1\xf5"}));
    EXPECT_TRUE(ListBookAbbreviations(dir.Path() + "/none/orvanel.ini").empty());

    // A module with very many gives only the first ones, in file order.
    std::string strMany = "X = gen.htm\nY = 1\nZ =";
    for (std::size_t i = 0; i <= kMostBookAbbreviations; ++i) strMany += " a" + std::to_string(i) + " a0";
    dir.Write("m/orvanel.ini", strMany);
    const std::vector<std::string> many = ListBookAbbreviations(dir.Path() + "/m/orvanel.ini");
    ASSERT_EQ(many.size(), kMostBookAbbreviations);
    EXPECT_EQ(many[1], "a1");
    EXPECT_EQ(many.back(), "a" + std::to_string(kMostBookAbbreviations - 1));
}

}  // namespace
}  // namespace sorvanta
