// The line that tells, while a reference is typed, what OK would quote.
#include "lookup/preview.h"

#include <gtest/gtest.h>

#include <map>

#include "lookup/lookup.h"
#include "modules/markers.h"
#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

TEST(Preview, TellsWhatWouldBeQuotedOrWhyNothing) {
    test::CTempDir dir;
    std::string strBook = "<html>\n<h4>1</h4>\n<p>1 a\n<p>2 b\n<p>3 c\n<h4>2</h4>\n";
    for (int i = 1; i <= 22; ++i) strBook += "<p>" + std::to_string(i) + " v\n";
    dir.Write("a/jn.htm", strBook);
    const std::map<std::string, std::string> modules{
        {"a", dir.Write("a/orvanel.ini", test::Cp("BibleName = Полные имена\nChapterSign = <h4>\nVerseSign = <p>\n"
                                                  "PathName = jn.htm\nFullName = Иоанна\nShortName = Ин Иоан\n"))},
        {"kn", SORVANTA_TEST_DATA "/root/a_kn/orvanel.ini"},
    };
    for (const test::CCase& c : test::ReadCases("preview.tsv")) {
        const std::string& strIni = modules.at(c["module"]);
        ModuleMarkers markers;
        ASSERT_TRUE(ReadModuleMarkers(strIni, markers)) << c.Where();
        EXPECT_EQ(DescribeRequest(c.Cp("typed"), strIni, markers), c["line"]) << c.Where();
        // The line tells a quotation exactly when OK finds one.
        const bool bTellsQuotation = c["line"].find(", ") != std::string::npos;
        EXPECT_EQ(LookUp(c.Cp("typed"), strIni, markers).m_outcome == LookupOutcome::Found, bTellsQuotation)
            << c.Where();
    }
}

}  // namespace
}  // namespace sorvanta
