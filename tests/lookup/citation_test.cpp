#include "lookup/citation.h"

#include <gtest/gtest.h>

#include <random>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

std::string Cite(const std::string& strReference, const std::string& strPassage, const CCitationStyle& style) {
    return FormatCitation(Cp(strReference), Cp(strPassage), style, TextEncoding::Cp1251);
}

TEST(FormatCitation, EachFormatWithAndWithoutVerseNumbersAndJoinedLines) {
    struct Passage {
        std::string reference, passage;
        std::string texts[2][2];  // [verse numbers kept][lines joined]
    };
    const Passage passages[] = {
        // One verse has no verse numbers, even where a line of it begins with one.
        {"Кн 1:2",
         "Beta\r\n12 tribes",
         {{"Beta\r\n12 tribes", "Beta 12 tribes"}, {"Beta\r\n12 tribes", "Beta 12 tribes"}}},
        {"Кн 1:1-3",
         "Alpha\r\n2 Beta\r\n3 Gamma",
         {{"Alpha\r\nBeta\r\nGamma", "Alpha Beta Gamma"}, {"Alpha\r\n2 Beta\r\n3 Gamma", "Alpha 2 Beta 3 Gamma"}}},
        // A whole chapter keeps its heading and has the number of its first verse.
        {"Кн 2",
         "Глава 2\r\n1 Delta\r\n2 Epsilon",
         {{"Глава 2\r\nDelta\r\nEpsilon", "Глава 2 Delta Epsilon"},
          {"Глава 2\r\n1 Delta\r\n2 Epsilon", "Глава 2 1 Delta 2 Epsilon"}}},
    };
    for (const Passage& p : passages) {
        for (const bool bNumbers : {false, true}) {
            for (const bool bJoin : {false, true}) {
                const std::string& text = p.texts[bNumbers][bJoin];
                const std::string where = p.reference + (bNumbers ? " numbers" : "") + (bJoin ? " joined" : "");
                EXPECT_EQ(Cite(p.reference, p.passage, {CCitationFormat::ReferenceFirst, bNumbers, bJoin}),
                          Cp(p.reference + ". " + text))
                    << where;
                EXPECT_EQ(Cite(p.reference, p.passage, {CCitationFormat::ReferenceLast, bNumbers, bJoin}),
                          Cp(text + " (" + p.reference + ")"))
                    << where;
                EXPECT_EQ(Cite(p.reference, p.passage, {CCitationFormat::Quoted, bNumbers, bJoin}),
                          Cp("«" + text + "» (" + p.reference + ")"))
                    << where;
            }
        }
    }
    EXPECT_EQ(FormatCitation("Ин 3:16-17", "Так\r\n17 Ибо", {CCitationFormat::Quoted, false, true}, TextEncoding::Utf8),
              "«Так Ибо» (Ин 3:16-17)");
}

TEST(FormatCitation, FindsVerseNumbersOnlyWhereAVerseBegins) {
    struct Case {
        std::string reference, passage, withoutNumbers, joined;
    };
    const Case cases[] = {
        {"Кн 1:1-2", "Alpha \t\r\n\n  2 Beta", "Alpha \t\r\n\n  Beta", "Alpha 2 Beta"},  // blanks, an empty line
        {"Кн 1:1-3", "Alpha\r\n2\r\n3. Beta 4 x", "Alpha\r\n2\r\n3. Beta 4 x", "Alpha 2 3. Beta 4 x"},
        {"Чис 1:46-47", "603550 men\n47 But", "603550 men\nBut", "603550 men 47 But"},  // the first line is text
        {"Кн 2", "1 Delta\r\n2 Epsilon", "Delta\r\nEpsilon", "1 Delta 2 Epsilon"},      // a chapter without heading
        {"Кн 2:1-", "Delta\r\n2 Epsilon", "Delta\r\n2 Epsilon", "Delta 2 Epsilon"},     // read as one verse
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cite(c.reference, c.passage, {CCitationFormat::ReferenceLast, false, false}),
                  Cp(c.withoutNumbers + " (" + c.reference + ")"));
        EXPECT_EQ(Cite(c.reference, c.passage, {CCitationFormat::ReferenceLast, true, true}),
                  Cp(c.joined + " (" + c.reference + ")"));
    }
}

// The default style gives the reference as typed, ". " and any passage at
// all byte for byte.
TEST(FormatCitation, TheDefaultStyleKeepsThePassageAsItIs) {
    std::mt19937 random(13);
    const std::string_view alphabet = "12 \t\r\naZ\xC0\xFF";
    for (int round = 0; round < 3000; ++round) {
        std::string strPassage(random() % 24, ' ');
        for (char& ch : strPassage) ch = alphabet[random() % alphabet.size()];
        for (const char* reference : {"Kn 1", "Kn 1:1", "Kn 1:1-2"}) {
            ASSERT_EQ(FormatCitation(reference, strPassage, {}, TextEncoding::Cp1251), reference + (". " + strPassage));
        }
    }
}

}  // namespace
}  // namespace sorvanta
