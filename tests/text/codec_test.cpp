#include "text/codec.h"

#include <gtest/gtest.h>

namespace sorvanta {
namespace {

TEST(Codec, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Codec, KnownCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"\xc8\xed 3:16", "Ин 3:16"},
        {"\xa8\xb8", "Ёё"},
        {"\x93\x94\x96\x97\xb9", "“”–—№"},
        {"\x88", "€"},
    };
    for (const auto& [cp1251, utf8] : cases) {
        EXPECT_EQ(Cp1251ToUtf8(cp1251), utf8);
        EXPECT_EQ(Utf8ToCp1251(utf8), cp1251);
    }
}

TEST(Codec, CharactersWithoutACodeAndBrokenUtf8BecomeQuestionMarks) {
    const std::pair<std::string, std::string> cases[] = {
        {"Æ", "?"},                 // Latin letter outside the code page
        {"\xe4\xb8\xad", "?"},      // CJK
        {"\xf0\x9f\x98\x80", "?"},  // emoji, four bytes
        {"a\xff"
         "b",
         "a?b"},        // stray byte
        {"\xd0", "?"},  // sequence cut short
        {"\xd0"
         "A",
         "?A"},              // broken continuation
        {"\xc0\x80", "??"},  // overlong forms of NUL and line feed: never those bytes
        {"\xc0\x8a", "??"},
        {"\xe0\x80\x8a", "???"},
        {"\xf0\x80\x80\x80", "????"},
        {"\xed\xa0\x80", "???"},       // a surrogate
        {"\xf4\x90\x80\x80", "????"},  // beyond U+10FFFF
        {"\xc2\x80\xdf\xbf", "??"},    // the smallest and largest two-byte codes, none in the code page
    };
    for (const auto& [utf8, cp1251] : cases) EXPECT_EQ(Utf8ToCp1251(utf8), cp1251) << utf8;
}

}  // namespace
}  // namespace sorvanta
