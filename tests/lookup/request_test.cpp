#include "lookup/request.h"

#include <gtest/gtest.h>

#include "support/cases.h"

namespace sorvanta {
namespace {

TEST(Request, SplitsAtSemicolonsAndLendsTheBookToAPartWithoutOne) {
    for (const test::CCase& c : test::ReadCases("request.tsv")) {
        std::string strShown, strLookedUp;
        for (const RequestPart& part : SplitRequest(c.Cp("typed"), TextEncoding::Cp1251)) {
            strShown += part.m_strShown + "|";
            strLookedUp += part.m_strLookedUp + "|";
        }
        EXPECT_EQ(strShown, c.Cp("shown")) << c.Where();
        EXPECT_EQ(strLookedUp, c.Cp("looked up")) << c.Where();
    }
}

TEST(Request, TheUsualFormHasBlanksForNoBreakSpacesAndNoFullStopAfterTheBook) {
    for (const test::CCase& c : test::ReadCases("usualform.tsv")) {
        EXPECT_EQ(UsualForm(c.Cp("typed"), TextEncoding::Cp1251), c.Cp("usual")) << c.Where();
        EXPECT_EQ(UsualForm(c["typed"], TextEncoding::Utf8), c["usual"]) << c.Where();
    }
}

}  // namespace
}  // namespace sorvanta
