#include "lookup/bookresolver.h"

#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

TEST(DirectoryOf, KeepsEverythingUpToTheLastSeparator) {
    const std::pair<std::string, std::string> cases[] = {
        {"/m/kjv/orvanel.ini", "/m/kjv/"},
        {"/m//kjv/orvanel.ini", "/m//kjv/"},
        {"/m/kjv/", "/m/kjv/"},
        {"orvanel.ini", ""},
        {"", ""},
    };
    for (const auto& [path, directory] : cases) EXPECT_EQ(DirectoryOf(path), directory);
}

TEST(ResolveBookFile, FindsTheFileNamedTwoLinesAboveTheFirstLineWithTheAbbreviation) {
    for (const test::CCase& c : test::ReadCases("bookresolver.tsv")) {
        const std::string strModule = SORVANTA_TEST_DATA "/resolver/" + c["module"] + "/";
        const std::string strExpected =
            c["book"] == "(none)" ? "" : strModule + (c["book"] == "(folder)" ? "" : c["book"]);
        EXPECT_EQ(ResolveBookFile(c.Cp("typed"), strModule + "orvanel.ini"), strExpected) << c.Where();
    }
}

// A long file is searched a stretch of 1,024 bytes at a time: a match is
// found wherever it lies, across the border of two stretches too, in small or
// capital letters.
TEST(ResolveBookFile, FindsAnAbbreviationAnywhereInALongFile) {
    test::CTempDir dir;
    const std::string strEntry = Cp("\r\nFile = Long.htm\r\nQty = 9\r\nAbbr = иоанн ");  // then the abbreviation
    for (std::size_t wordStart = 1016; wordStart <= 1028; ++wordStart) {
        std::string strIni;
        while (strIni.size() + 37 < wordStart - strEntry.size())
            strIni += "File = x.htm\r\nQty = 1\r\nAbbr = Ab Cd\r\n";
        strIni += std::string(wordStart - strEntry.size() - strIni.size(), '.') + strEntry + Cp("Иоан\r\n");
        ASSERT_EQ(strIni.find(Cp("Иоан")), wordStart);
        const std::string strPath = dir.Write("long" + std::to_string(wordStart) + "/orvanel.ini", strIni);
        for (const std::string typed : {"ИОАН 3:16", "иоан 3:16", "иОаН 3"}) {
            EXPECT_EQ(ResolveBookFile(Cp(typed), strPath), DirectoryOf(strPath) + "Long.htm") << wordStart << typed;
        }
        EXPECT_EQ(ResolveBookFile(Cp("Ион 3:16"), strPath), "") << wordStart;
    }
}

}  // namespace
}  // namespace sorvanta
