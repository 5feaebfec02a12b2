#include "lookup/citation.h"

#include <gtest/gtest.h>

#include <random>

#include "lookup/lookup.h"
#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

// "R" stands for the reference, "T" for the passage text.
std::string Framed(std::string_view pattern, const std::string& strReference, const std::string& strText) {
    std::string framed;
    for (char ch : pattern) {
        if (ch == 'R') {
            framed += strReference;
        } else if (ch == 'T') {
            framed += strText;
        } else {
            framed += ch;
        }
    }
    return framed;
}

TEST(FormatCitation, EachFormatWithAndWithoutVerseNumbersAndJoinedLines) {
    struct Passage {
        std::string reference, passage;
        std::string kept, keptJoined, dropped, droppedJoined;  // the text for each pair of switches
    };
    const Passage passages[] = {
        // One verse has no verse numbers, even where a line of it begins with one.
        {"Кн 1:2", "Beta\r\n12 tribes", "Beta\r\n12 tribes", "Beta 12 tribes", "Beta\r\n12 tribes", "Beta 12 tribes"},
        {"Кн 1:1-3", "Alpha\r\n2 Beta\r\n3 Gamma", "Alpha\r\n2 Beta\r\n3 Gamma", "Alpha 2 Beta 3 Gamma",
         "Alpha\r\nBeta\r\nGamma", "Alpha Beta Gamma"},
        // A whole chapter keeps its heading and has the number of its first verse.
        {"Кн 2", "Глава 2\r\n1 Delta\r\n2 Epsilon", "Глава 2\r\n1 Delta\r\n2 Epsilon", "Глава 2 1 Delta 2 Epsilon",
         "Глава 2\r\nDelta\r\nEpsilon", "Глава 2 Delta Epsilon"},
    };
    const std::pair<CCitationFormat, std::string_view> formats[] = {
        {CCitationFormat::ReferenceFirst, "R. T"},
        {CCitationFormat::ReferenceLast, "T (R)"},
        {CCitationFormat::Quoted, "\xABT\xBB (R)"},
    };
    for (const Passage& p : passages) {
        for (const auto& [format, pattern] : formats) {
            for (const bool bVerseNumbers : {true, false}) {
                for (const bool bJoin : {false, true}) {
                    const std::string& strText =
                        bVerseNumbers ? (bJoin ? p.keptJoined : p.kept) : (bJoin ? p.droppedJoined : p.dropped);
                    const CCitationStyle style{format, bVerseNumbers, bJoin};
                    EXPECT_EQ(FormatCitation(Cp(p.reference), Cp(p.passage), style, CTextEncoding::Cp1251),
                              Framed(pattern, Cp(p.reference), Cp(strText)))
                        << p.reference << ' ' << pattern << " numbers " << bVerseNumbers << " join " << bJoin;
                }
            }
        }
    }
}

TEST(FormatCitation, FindsVerseNumbersOnlyWhereAVerseBegins) {
    struct Case {
        std::string reference, passage, withoutNumbers, joined;
    };
    const Case cases[] = {
        {"Кн 1:1-2", "Alpha\n2 Beta", "Alpha\nBeta", "Alpha 2 Beta"},                        // LF alone
        {"Кн 1:1-2", "Alpha \t\r\n\r\n  2 Beta", "Alpha \t\r\n\r\n  Beta", "Alpha 2 Beta"},  // blanks, empty lines
        {"Кн 1:1-2", "Alpha\r\n2\r\nBeta", "Alpha\r\n2\r\nBeta", "Alpha 2 Beta"},            // no blank after it
        {"Кн 1:1-2", "Alpha\r\n2. Beta 3 x", "Alpha\r\n2. Beta 3 x", "Alpha 2. Beta 3 x"},
        {"Чис 1:46-47", "603550 men\r\n47 But", "603550 men\r\nBut", "603550 men 47 But"},  // the first line is text
        {"Кн 2", "1 Delta\r\n2 Epsilon", "Delta\r\nEpsilon", "1 Delta 2 Epsilon"},          // a chapter without heading
        {" Кн 2:1 - 2 ", "Delta\r\n2 Epsilon", "Delta\r\nEpsilon", "Delta 2 Epsilon"},      // blanks typed around
        {"Кн 2:1-", "Delta\r\n2 Epsilon", "Delta\r\n2 Epsilon", "Delta 2 Epsilon"},         // read as one verse
    };
    for (const Case& c : cases) {
        const std::string strReference = Cp(c.reference);
        const CCitationStyle without{CCitationFormat::ReferenceLast, false, false};
        const CCitationStyle joined{CCitationFormat::ReferenceLast, true, true};
        EXPECT_EQ(FormatCitation(strReference, Cp(c.passage), without, CTextEncoding::Cp1251),
                  Cp(c.withoutNumbers) + " (" + strReference + ")")
            << c.passage;
        EXPECT_EQ(FormatCitation(strReference, Cp(c.passage), joined, CTextEncoding::Cp1251),
                  Cp(c.joined) + " (" + strReference + ")")
            << c.passage;
    }
}

TEST(FormatCitation, WritesTheQuotationMarksInTheModulesEncoding) {
    const CCitationStyle quoted{CCitationFormat::Quoted, false, true};
    EXPECT_EQ(FormatCitation("Ин 3:16-17", "Так возлюбил\r\n17 Ибо не послал", quoted, CTextEncoding::Utf8),
              "«Так возлюбил Ибо не послал» (Ин 3:16-17)");
    EXPECT_EQ(FormatCitation(Cp("Ин 3:16"), Cp("Так"), quoted, CTextEncoding::Cp1251), Cp("«Так» (Ин 3:16)"));
}

TEST(FormatCitation, TheDefaultStyleIsTheLookupsOwnQuotation) {
    const std::string strModules = std::string(SORVANTA_TEST_DATA) + "/root/";
    ModuleMarkers kn, glava;
    ReadModuleMarkers(strModules + "a_kn/orvanel.ini", kn);
    ReadModuleMarkers(strModules + "b_glava/orvanel.ini", glava);
    const std::tuple<std::string, std::string, const ModuleMarkers&> lookups[] = {
        {"Кн 1:1", "a_kn", kn},   {"Кн 1:1-3", "a_kn", kn},   {"  кн 2  ", "a_kn", kn},
        {"Кн 2:1-2", "a_kn", kn}, {"Ин 1", "b_glava", glava}, {"Ин 1:2-3", "b_glava", glava},
    };
    for (const auto& [typed, module, markers] : lookups) {
        const std::string strVerse = Cp(typed);
        const LookupResult result = LookUp(strVerse, strModules + module + "/orvanel.ini", markers);
        ASSERT_EQ(result.m_outcome, LookupOutcome::Found) << typed;
        EXPECT_EQ(FormatCitation(strVerse, PassageOfQuotation(result.m_strQuotation, strVerse), CCitationStyle{},
                                 CTextEncoding::Cp1251),
                  result.m_strQuotation)
            << typed;
    }

    // Any passage at all comes back byte for byte.
    std::mt19937 random(13);
    const std::string_view alphabet = "12 \t\r\naZ\xC0\xFF";
    for (int round = 0; round < 3000; ++round) {
        std::string strPassage(random() % 24, ' ');
        for (char& ch : strPassage) ch = alphabet[random() % alphabet.size()];
        for (const char* reference : {"Kn 1", "Kn 1:1", "Kn 1:1-2"}) {
            ASSERT_EQ(FormatCitation(reference, strPassage, CCitationStyle{}, CTextEncoding::Cp1251),
                      reference + (". " + strPassage));
        }
    }
}

TEST(CitationFormatNames, NameEveryFormatBothWays) {
    for (const CCitationFormat format :
         {CCitationFormat::ReferenceFirst, CCitationFormat::ReferenceLast, CCitationFormat::Quoted}) {
        EXPECT_EQ(CitationFormatByName(CitationFormatName(format)), format);
    }
    EXPECT_EQ(CitationFormatName(CCitationFormat::Quoted), "quoted");
    for (const char* unknown : {"", "Quoted", "reference", "quoted "}) {
        EXPECT_EQ(CitationFormatByName(unknown), std::nullopt) << unknown;
    }
}

}  // namespace
}  // namespace sorvanta
