#include "text/encoding.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;
constexpr TextEncoding kCp = TextEncoding::Cp1251;
constexpr TextEncoding kUtf8 = TextEncoding::Utf8;

TEST(Encoding, ConvertsBetweenTheEncodingsAndAlwaysGivesWellFormedUtf8) {
    struct Case {
        std::string text;
        TextEncoding from, to;
        std::string converted;
    };
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const Case cases[] = {
        {all, kCp, kCp, all},
        {Cp("Ин 3:16–18 ёЁ"), kCp, kUtf8, "Ин 3:16–18 ёЁ"},
        {"Ин 3:16−18 ёЁ λ", kUtf8, kCp, Cp("Ин 3:16-18 ёЁ ?")},  // the minus sign has its nearest character
        {"Ин λ 😀", kUtf8, kUtf8, "Ин λ 😀"},
        {"a\xff\xc0\x80\xd0", kUtf8, kUtf8, "a????"},
    };
    for (const Case& c : cases) EXPECT_EQ(ConvertText(c.text, c.from, c.to), c.converted) << c.text;
    EXPECT_TRUE(IsValidUtf8(ConvertText(all, kUtf8, kUtf8)));
}

TEST(Encoding, UpperCasingUtf8KeepsEveryByteInItsPlace) {
    const std::pair<std::string, std::string> cases[] = {
        {"абвгдеёжзийклмнопрстуфхцчшщъыьэюя", "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"},
        {"ђѓљњќћџўјґєїіѕ ин 1jn", "ЂЃЉЊЌЋЏЎЈҐЄЇІЅ ИН 1JN"},
        {"ИН äλ№«»–", "ИН äλ№«»–"},  // capitals, and letters and signs beyond the code page, stay
        {"\xd0 \xd1", "\xd0 \xd1"},  // cut sequences stay
        {"\xd1", "\xd1"},
    };
    for (const auto& [text, upper] : cases) EXPECT_EQ(MakeUpper(text, kUtf8), upper) << text;
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
