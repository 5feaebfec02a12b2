#include "text/markersearch.h"

#include <gtest/gtest.h>

#include "text/bytestring.h"

namespace sorvanta {
namespace {

std::string Repeated(const std::string& strPiece, std::size_t nTimes) {
    std::string strText;
    for (std::size_t i = 0; i < nTimes; ++i) strText += strPiece;
    return strText;
}

// The search by a short marker's rarest byte and by a long marker's borders
// finds exactly what a plain search finds, from any start and in the chain of
// searches that extraction makes (each one byte after the previous find).
TEST(MarkerSearch, FindsWhatAPlainSearchFinds) {
    const std::pair<std::string, std::string> cases[] = {
        {"<html>\r\n<h4>A</h4>\r\n<p>1 a\r\n<p>2 b\r\n<h4>B</h4>\r\n<p>1 c", "<h4>"},
        {"<html>\r\n<h4>A</h4>\r\n<p>1 a\r\n<p>2 b\r\n<h4>B</h4>\r\n<p>1 c", "<p>"},
        {"aaaa", "aa"},         // overlapping occurrences
        {"xyz<h4>", "<h4>"},    // at the very end
        {"<h4>", "<h4>"},       // the whole text
        {"<h", "<h4>"},         // longer than the text
        {"4444<h4>4", "<h4>"},  // the rare byte is not rare here
        {"ab\0cd\0ab", std::string("\0a", 2)},
        {"abc", "b"},  // a marker of one byte
        {"abc", ""},   // an empty marker occurs nowhere
        {"", "<p>"},
        {Repeated(std::string(39, 'a') + "b", 3) + std::string(45, 'a'), std::string(40, 'a')},
        {Repeated("ab", 60) + "c" + Repeated("ab", 30) + "c", Repeated("ab", 20) + "c"},
        {Repeated("abaab", 30), Repeated("abaab", 8)},  // borders of every length
        {std::string(33, 'x'), std::string(33, 'x')},   // long marker, the whole text
        {std::string(40, 'x'), std::string(41, 'x')},
    };
    for (const auto& [text, marker] : cases) {
        CMarkerSearch search(text, marker);
        for (std::size_t start = 0; start <= text.size() + 2; ++start) {
            EXPECT_EQ(search.Find(start), FindBytes(text, marker, start)) << text << " / " << marker << " @" << start;
        }
        CMarkerSearch chain(text, marker);
        for (std::size_t found = 0, expected = 0; expected != std::string::npos; found = expected + 1) {
            expected = FindBytes(text, marker, found);
            ASSERT_EQ(chain.Find(found), expected) << text << " / " << marker << " chained @" << found;
        }
    }
}

}  // namespace
}  // namespace sorvanta
