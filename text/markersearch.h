// Repeated search for one marker in one text, as passage extraction does it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace sorvanta {

// A short marker is found by looking for its byte that is rarest in the text
// (judged from a few sampled stretches), then comparing the whole marker
// there. In mark-up every tag begins with "<", so searching by a marker's
// first byte would stop at every tag; its rarest byte usually lets the search
// skip whole verses at once.
//
// A long marker would cost its length at every candidate, so it is found with
// a table of its borders (the longest prefix of each of its prefixes that is
// also a suffix of it) in one pass over the text: a search that goes on one
// byte after the previous find carries on where that one stopped. Its time
// grows with the text's length and the marker's, never with their product.
class CMarkerSearch {
public:
    CMarkerSearch(std::string_view text, std::string_view marker);

    // Position of the first occurrence at or after `start`, or npos. An empty
    // marker occurs nowhere.
    std::size_t Find(std::size_t start);

private:
    std::size_t FindByRareByte(std::size_t start) const;
    std::size_t FindByBorders(std::size_t start);

    std::string_view m_text;
    std::string_view m_marker;
    std::size_t m_nKeyOffset = 0;  // which byte of a short marker is looked for
    // Long markers: the border length of each prefix, and where the last
    // search stood.
    std::vector<std::uint32_t> m_arrBorders;
    std::size_t m_nResumeStart = std::string_view::npos;  // the start at which the last search goes on
    std::size_t m_nScanned = 0;                           // the text is read up to here
    std::size_t m_nMatched = 0;                           // marker bytes matched just before m_nScanned
};

}  // namespace sorvanta
