#include "lookup/request.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;
using Parts = std::vector<std::pair<std::string, std::string>>;  // shown, looked up

TEST(Request, SplitsAtSemicolonsAndLendsTheBookToAPartWithoutOne) {
    const std::pair<std::string, Parts> cases[] = {
        {"  Ин 3:16 ", {{"  Ин 3:16 ", "  Ин 3:16 "}}},  // one reference: exactly as typed
        {"Ин 3:16; 5:24;6", {{"Ин 3:16", "Ин 3:16"}, {"5:24", "Ин 5:24"}, {"6", "Ин 6"}}},
        {"Ин 3:16; Рим 5:8; 6:1", {{"Ин 3:16", "Ин 3:16"}, {"Рим 5:8", "Рим 5:8"}, {"6:1", "Рим 6:1"}}},
        {"1Кор 13:4; 2Кор 1", {{"1Кор 13:4", "1Кор 13:4"}, {"2Кор 1", "2Кор 1"}}},
        {"Ин3,16;17", {{"Ин3,16", "Ин3,16"}, {"17", "Ин17"}}},
        {"3:16; Ин 1", {{"3:16", "3:16"}, {"Ин 1", "Ин 1"}}},  // nothing to lend yet
        {" ; ", {}},
    };
    for (const auto& [typed, expected] : cases) {
        Parts parts;
        for (const RequestPart& part : SplitRequest(Cp(typed), TextEncoding::Cp1251)) {
            parts.emplace_back(part.m_strShown, part.m_strLookedUp);
        }
        Parts expectedCp;
        for (const auto& [shown, lookedUp] : expected) expectedCp.emplace_back(Cp(shown), Cp(lookedUp));
        EXPECT_EQ(parts, expectedCp) << typed;
    }
}

TEST(Request, TheUsualFormHasBlanksForNoBreakSpacesAndNoFullStopAfterTheBook) {
    struct Case {
        std::string typed;
        TextEncoding encoding;
        std::string usual;
    };
    const Case cases[] = {
        {Cp("Ин. 3:16"), TextEncoding::Cp1251, Cp("Ин 3:16")},
        {Cp("1 Кор.13:4"), TextEncoding::Cp1251, Cp("1 Кор13:4")},
        {Cp("Ин\u00a03:16\u00a0-\u00a018 "), TextEncoding::Cp1251, Cp("Ин 3:16 - 18")},
        {Cp("Ин.. 3:16."), TextEncoding::Cp1251, Cp("Ин. 3:16.")},  // one full stop, the book's only
        {"Ин.\u00a03:16", TextEncoding::Utf8, "Ин 3:16"},
        {"\u00a0Ин 3", TextEncoding::Utf8, "Ин 3"},
        {"Ин 3:16", TextEncoding::Utf8, "Ин 3:16"},
    };
    for (const Case& c : cases) EXPECT_EQ(UsualForm(c.typed, c.encoding), c.usual) << c.typed;
}

}  // namespace
}  // namespace sorvanta
