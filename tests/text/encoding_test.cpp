#include "text/encoding.h"

#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;
constexpr TextEncoding kCp = TextEncoding::Cp1251;
constexpr TextEncoding kUtf8 = TextEncoding::Utf8;

TEST(Encoding, ConvertsBetweenTheEncodingsAndAlwaysGivesWellFormedUtf8) {
    const auto encoding = [](const std::string& strName) { return strName == "utf8" ? kUtf8 : kCp; };
    for (const test::CCase& c : test::ReadCases("encoding.tsv"))
        EXPECT_EQ(ConvertText(c["text"], encoding(c["from"]), encoding(c["to"])), c["converted"]) << c.Where();
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(ConvertText(all, kCp, kCp), all);
    EXPECT_TRUE(IsValidUtf8(ConvertText(all, kUtf8, kUtf8)));
}

TEST(Encoding, UpperCasingUtf8KeepsEveryByteInItsPlace) {
    for (const test::CCase& c : test::ReadCases("upper-utf8.tsv"))
        EXPECT_EQ(MakeUpper(c["text"], kUtf8), c["upper"]) << c.Where();
    EXPECT_EQ(MakeUpper(Cp("ин ёж"), kCp), Cp("ИН ЁЖ"));
}

TEST(Encoding, TheCharacterBeforeAPositionAsItsCodePage1251Byte) {
    for (const test::CCase& c : test::ReadCases("characterbefore.tsv")) {
        const TextEncoding encoding = c["encoding"] == "utf8" ? kUtf8 : kCp;
        EXPECT_EQ(Cp1251CharacterBefore(c["text"], std::stoul(c["position"]), encoding), c["before"][0]) << c.Where();
    }
}

}  // namespace
}  // namespace sorvanta
