#include "text/markersearch.h"

#include <cstring>

namespace sorvanta {

CMarkerSearch::ByteCounts CMarkerSearch::SampleCounts(std::string_view text) {
    constexpr std::size_t kStretch = 256;
    ByteCounts counts{};
    for (int part = 0; part < 4; ++part) {
        const std::size_t begin = text.size() / 4 * part;
        for (unsigned char byte : text.substr(begin, kStretch)) ++counts[byte];
    }
    return counts;
}

CMarkerSearch::CMarkerSearch(std::string_view text, std::string_view marker, const ByteCounts& counts)
    : m_text(text), m_marker(marker) {
    if (marker.size() < 2) return;
    for (std::size_t i = 1; i < marker.size(); ++i) {
        if (counts[static_cast<unsigned char>(marker[i])] < counts[static_cast<unsigned char>(marker[m_nKeyOffset])]) {
            m_nKeyOffset = i;
        }
    }
}

std::size_t CMarkerSearch::Find(std::size_t start) const {
    const std::size_t nMarker = m_marker.size();
    if (nMarker == 0 || start > m_text.size() || m_text.size() - start < nMarker) return std::string_view::npos;
    const char key = m_marker[m_nKeyOffset];
    const char* const pBegin = m_text.data();
    // Candidates for the key byte run from the first possible marker start on;
    // they come in order, so the first full match is the leftmost one.
    const char* pSearch = pBegin + start + m_nKeyOffset;
    const char* const pLast = pBegin + m_text.size() - (nMarker - m_nKeyOffset);  // last possible key position
    while (pSearch <= pLast) {
        const auto* pKey = static_cast<const char*>(std::memchr(pSearch, key, static_cast<std::size_t>(pLast - pSearch) + 1));
        if (pKey == nullptr) break;
        const char* pCandidate = pKey - m_nKeyOffset;
        // Markers are short: a plain loop beats a call to memcmp here.
        std::size_t i = 0;
        while (i < nMarker && pCandidate[i] == m_marker[i]) ++i;
        if (i == nMarker) return static_cast<std::size_t>(pCandidate - pBegin);
        pSearch = pKey + 1;
    }
    return std::string_view::npos;
}

}  // namespace sorvanta
