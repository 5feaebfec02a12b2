#include "lookup/htmlcitation.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

using test::Cp;

constexpr std::string_view kHead = "<meta charset=\"utf-8\">";

TEST(EscapeHtml, WritesMarkUpCharactersAsReferences) {
    const std::pair<std::string, std::string> cases[] = {
        {"a < b > c", "a &lt; b &gt; c"},
        {"&quot; & \"x\"", "&amp;quot; &amp; &quot;x&quot;"},
        {"Ин 3:16 'a'", "Ин 3:16 'a'"},
        {"", ""},
    };
    for (const auto& [text, escaped] : cases) EXPECT_EQ(EscapeHtml(text), escaped) << text;
}

TEST(FormatCitationHtml, BoldReferenceSuperscriptNumbersInTheChosenStyle) {
    struct Case {
        std::string reference, passage;
        CCitationStyle style;
        std::string html;
    };
    const Case cases[] = {
        {"Кн 1:1-3",
         "Alpha\r\n2 Beta\n\n3 Gamma",
         {},
         "<b>Кн 1:1-3</b>. Alpha<br><sup>2</sup> Beta<br><br><sup>3</sup> Gamma"},
        {"Кн 1:1-3",
         "Alpha\r\n2 Beta\r\n3 Gamma",
         {CCitationFormat::Quoted, false, true},
         "«Alpha Beta Gamma» (<b>Кн 1:1-3</b>)"},
        {"Кн 2",
         "Глава 2\r\n1 Delta\r\n2 Epsilon",
         {CCitationFormat::ReferenceLast, true, true},
         "Глава 2 <sup>1</sup> Delta <sup>2</sup> Epsilon (<b>Кн 2</b>)"},
        {"Кн 2",
         "Глава 2\r\n1 Delta",
         {CCitationFormat::ReferenceLast, false, false},
         "Глава 2<br>Delta (<b>Кн 2</b>)"},
        {"Кн 1:2", "Beta\r\n12 tribes", {}, "<b>Кн 1:2</b>. Beta<br>12 tribes"},
        {"Кн 1:1 <&>",
         "a &amp; <b\r\n2 \"c\"",
         {},
         "<b>Кн 1:1 &lt;&amp;&gt;</b>. a &amp;amp; &lt;b<br>2 &quot;c&quot;"},
    };
    for (const Case& c : cases) {
        const std::string strHtml = std::string(kHead) + c.html;
        EXPECT_EQ(FormatCitationHtml(Cp(c.reference), Cp(c.passage), c.style, CTextEncoding::Cp1251), strHtml)
            << c.html;
        EXPECT_EQ(FormatCitationHtml(c.reference, c.passage, c.style, CTextEncoding::Utf8), strHtml) << c.html;
    }
}

}  // namespace
}  // namespace sorvanta
