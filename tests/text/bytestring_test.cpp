#include "text/bytestring.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/cases.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

TEST(ByteString, TrimRemovesOnlyBlankAndControlWhiteSpaceAtTheEnds) {
    struct Case {
        std::string in, left, right, both;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {" \t\n\v\f\r", "", "", ""},
        {" a b ", "a b ", " a b", "a b"},
        {"\037a\037", "\037a\037", "\037a\037", "\037a\037"},  // 0x1F is not white space
        {"\xa0x\xa0", "\xa0x\xa0", "\xa0x\xa0", "\xa0x\xa0"},  // nor is the no-break space
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrimLeft(c.in), c.left) << c.in;
        EXPECT_EQ(TrimRight(c.in), c.right) << c.in;
        EXPECT_EQ(Trim(c.in), c.both) << c.in;
    }
}

TEST(ByteString, MakeUpperFollowsCodePage1251) {
    for (const test::CCase& c : test::ReadCases("upper.tsv"))
        EXPECT_EQ(MakeUpper(c.Cp("text")), c.Cp("upper")) << c.Where();
}

TEST(ByteString, MakeUpperAgreesWithTheTableAtEveryLengthAndAlignment) {
    // Stretches of ASCII mixed with the Russian alphabet, with and without "ё",
    // then every byte value among long plain-ASCII stretches.
    std::string all = Cp("ShortName = Быт Бытие Gen Ge; АЯая`{@[ ЖжЩщЪъ Ёё ЯЯЯяяяя zZ Откр Rev Ин Иоан Jn 1Ин ");
    for (int round = 0; round < 3; ++round) {
        for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
        all += "abcxyz{}`@AZaz09 hello world ";
    }
    for (std::size_t begin = 0; begin < 9; ++begin) {
        for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{8}, std::size_t{9},
                                   std::size_t{31}, std::size_t{300}, std::string::npos}) {
            const std::string part = all.substr(begin, length);
            std::string expected;
            for (char ch : part) expected += UpperCp1251(ch);
            EXPECT_EQ(MakeUpper(part), expected) << begin << " " << length;
        }
    }
}

TEST(ByteString, LettersAndDigitsOfCodePage1251) {
    for (const std::string& letters : {std::string("azAZ09"), Cp("аяАЯёЁіІїЇєЄґҐђЂ")}) {
        for (char ch : letters) EXPECT_TRUE(IsLetterOrDigitCp1251(ch)) << int(static_cast<unsigned char>(ch));
    }
    for (const std::string& others : {std::string(" .,:;-_/\\(){}<>=\t"), Cp("µ№«»–—")}) {
        for (char ch : others) EXPECT_FALSE(IsLetterOrDigitCp1251(ch)) << int(static_cast<unsigned char>(ch));
    }
}

TEST(ByteString, NumberOfReadsTheLeadingNumberLikeAtoiAndSaturates) {
    const std::pair<std::string, int> cases[] = {{"3:", 3},
                                                 {"118:", 118},
                                                 {" \t16", 16},
                                                 {"+7", 7},
                                                 {"-2", -2},
                                                 {"", 0},
                                                 {"abc", 0},
                                                 {"3 гл.", 3},
                                                 {"016", 16},
                                                 {"- 5", 0},
                                                 {"1-2-3", 1},
                                                 {"2147483647", INT_MAX},
                                                 {"2147483648", INT_MAX},
                                                 {"-2147483648", INT_MIN},
                                                 {"-99999999999999", INT_MIN},
                                                 {std::string(5000, '9'), INT_MAX}};
    for (const auto& [field, number] : cases) EXPECT_EQ(NumberOf(field), number) << field;
}

TEST(ByteString, FindBytesNeverMatchesAnEmptyNeedle) {
    EXPECT_EQ(FindBytes("abcabc", "bc", 0), 1u);
    EXPECT_EQ(FindBytes("abcabc", "bc", 2), 4u);
    EXPECT_EQ(FindBytes("aaa", "aa", 1), 1u);  // overlapping occurrences count
    EXPECT_EQ(FindBytes("abc", "", 0), std::string_view::npos);
    EXPECT_EQ(FindBytes("abc", "c", 7), std::string_view::npos);
}

}  // namespace
}  // namespace sorvanta
