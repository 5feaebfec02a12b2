// Repeated search for one marker in one text, as passage extraction does it.
#pragma once

#include <cstddef>
#include <string_view>

namespace sorvanta {

// Finds the marker by looking for its byte that is rarest in the text (judged
// from a few sampled stretches), then comparing the whole marker there. In
// mark-up every tag begins with "<", so searching by a marker's first byte
// would stop at every tag; its rarest byte usually lets the search skip whole
// verses at once.
class CMarkerSearch {
public:
    CMarkerSearch(std::string_view text, std::string_view marker);

    // Position of the first occurrence at or after `start`, or npos. An empty
    // marker occurs nowhere.
    std::size_t Find(std::size_t start) const;

private:
    std::string_view m_text;
    std::string_view m_marker;
    std::size_t m_nKeyOffset = 0;  // which byte of the marker is looked for
};

}  // namespace sorvanta
