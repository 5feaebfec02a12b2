#include "lookup/htmlcitation.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace sorvanta {
namespace {

TEST(FormatCitationHtml, BoldReferenceSuperscriptNumbersEscapedTextInTheChosenStyle) {
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
         "Глава 2\r\n1 Delta",
         {CCitationFormat::ReferenceLast, true, true},
         "Глава 2 <sup>1</sup> Delta (<b>Кн 2</b>)"},
        {"Кн 1:2", "Beta\r\n12 tribes", {}, "<b>Кн 1:2</b>. Beta<br>12 tribes"},
        {"Кн 1:1 <&>",
         "a &amp; <b\r\n2 \"c\"",
         {},
         "<b>Кн 1:1 &lt;&amp;&gt;</b>. a &amp;amp; &lt;b<br>2 &quot;c&quot;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatCitationHtml(test::Cp(c.reference), test::Cp(c.passage), c.style, TextEncoding::Cp1251),
                  c.html);
        EXPECT_EQ(FormatCitationHtml(c.reference, c.passage, c.style, TextEncoding::Utf8), c.html);
    }
}

}  // namespace
}  // namespace sorvanta
