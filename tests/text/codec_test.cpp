#include "text/codec.h"

#include <gtest/gtest.h>

#include "support/cases.h"

namespace sorvanta {
namespace {

TEST(Codec, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Codec, CasesConvertAsTheirTableSays) {
    for (const test::CCase& c : test::ReadCases("codec.tsv")) {
        EXPECT_EQ(Utf8ToCp1251(c["utf8"]), c["cp1251"]) << c.Where();
        if (c["ways"] == "both") {
            EXPECT_EQ(Cp1251ToUtf8(c["cp1251"]), c["utf8"]) << c.Where();
        }
    }
}

}  // namespace
}  // namespace sorvanta
