#include "lookup/clean.h"

#include <gtest/gtest.h>

namespace sorvanta {
namespace {

TEST(CleanPassage, RemovesTagsWhiteSpaceAndTheFirstVerseNumber) {
    struct Case {
        std::string passage, firstVerse, result;
    };
    const Case cases[] = {
        {"<p>16 Word one\r\n", "16", "Word one"},
        {"<p><b>16</b> Word one", "16", "Word one"},
        {"<p>16. Word one", "16", "16. Word one"},
        {"<p>16\r\nWord one", "16", "16\r\nWord one"},
        {"<p>016 Word one", "16", "016 Word one"},
        {"<p>16 Word one\r\n<p>17 Word two", "16", "Word one\r\n17 Word two"},
        {"<h4>Head</h4>\r\n<p>1 Word", "", "Head\r\n1 Word"},
        {"<p>Word", "", "Word"},
        {"a > b", "1", "a  b"},
        {"text <unclosed", "1", "text"},
        {"<p> \r\n <br>", "16", ""},
        {"<p>16", "16", "16"},  // no blank: nothing is deleted
        {"<p>16 \t", "16", "16"},
        {"<a<b>c>d 1 x", "1", "cd 1 x"},  // a "<" inside a tag changes nothing
        {"16\tWord", "16", "16\tWord"},   // only a blank ends the first word
        {"<sup>3</sup> Gamma", "3", "Gamma"},
    };
    for (const Case& c : cases) EXPECT_EQ(CleanPassage(c.passage, c.firstVerse), c.result) << c.passage;
}

}  // namespace
}  // namespace sorvanta
