#include "text/markersearch.h"

#include <gtest/gtest.h>

#include "text/bytestring.h"

namespace sorvanta {
namespace {

// The search by a marker's rarest byte finds exactly what a plain search finds.
TEST(MarkerSearch, FindsWhatAPlainSearchFinds) {
    const std::pair<std::string, std::string> cases[] = {
        {"<html>\r\n<h4>A</h4>\r\n<p>1 a\r\n<p>2 b\r\n<h4>B</h4>\r\n<p>1 c", "<h4>"},
        {"<html>\r\n<h4>A</h4>\r\n<p>1 a\r\n<p>2 b\r\n<h4>B</h4>\r\n<p>1 c", "<p>"},
        {"aaaa", "aa"},                  // overlapping occurrences
        {"xyz<h4>", "<h4>"},             // at the very end
        {"<h4>", "<h4>"},                // the whole text
        {"<h", "<h4>"},                  // longer than the text
        {"4444<h4>4", "<h4>"},           // the rare byte is not rare here
        {"ab\0cd\0ab", std::string("\0a", 2)},
        {"abc", "b"},                    // a marker of one byte
        {"abc", ""},                     // an empty marker occurs nowhere
        {"", "<p>"},
    };
    for (const auto& [text, marker] : cases) {
        const CMarkerSearch search(text, marker);
        for (std::size_t start = 0; start <= text.size() + 2; ++start) {
            EXPECT_EQ(search.Find(start), FindBytes(text, marker, start)) << text << " / " << marker << " @" << start;
        }
    }
}

}  // namespace
}  // namespace sorvanta
