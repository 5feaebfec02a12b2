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
    struct Case {
        std::string text;
        TextEncoding encoding;
        std::size_t pos;
        char before;
    };
    const Case cases[] = {
        {"ЧисИн", kUtf8, 6, Cp("с")[0]}, {"x-Ин", kUtf8, 2, '-'},   {"λИн", kUtf8, 2, '?'},
        {"😀Ин", kUtf8, 4, '?'},          {"\x81Ин", kUtf8, 1, '?'}, {Cp("сИн"), kCp, 1, Cp("с")[0]},
    };
    for (const Case& c : cases) EXPECT_EQ(Cp1251CharacterBefore(c.text, c.pos, c.encoding), c.before) << c.text;
}

}  // namespace
}  // namespace sorvanta
