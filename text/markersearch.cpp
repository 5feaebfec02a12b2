#include "text/markersearch.h"

#include <cstdint>
#include <cstring>

namespace sorvanta {

namespace {

// Markers up to this length are sought by their rarest byte: comparing one at
// a candidate costs at most this many bytes.
constexpr std::size_t kShortMarker = 32;

// The length of each of the four stretches that are sampled.
constexpr std::size_t kStretch = 240;

// How often `byte` occurs in four stretches spread over the text. Only the
// marker's own bytes are counted, each stretch with a byte-wide count over a
// fixed length (a multiple of 16 below 256), which compilers turn into wide
// compares.
unsigned SampledCount(std::string_view text, char byte) {
    unsigned count = 0;
    for (int part = 0; part < 4; ++part) {
        const std::string_view stretch = text.substr(text.size() / 4 * part, kStretch);
        std::uint8_t partCount = 0;
        if (stretch.size() == kStretch) {
            for (std::size_t i = 0; i < kStretch; ++i) partCount += (stretch[i] == byte);
        } else {
            for (char ch : stretch) partCount += (ch == byte);
        }
        count += partCount;
    }
    return count;
}

}  // namespace

CMarkerSearch::CMarkerSearch(std::string_view text, std::string_view marker) : m_text(text), m_marker(marker) {
    if (marker.size() > kShortMarker) {
        // A marker longer than the text occurs nowhere and needs no table (nor
        // does one beyond 4 GiB, which no file under the size limit holds; it
        // would be sought by its first byte).
        if (marker.size() > text.size() || marker.size() > UINT32_MAX) return;
        m_arrBorders.assign(marker.size(), 0);
        std::uint32_t nBorder = 0;
        for (std::size_t i = 1; i < marker.size(); ++i) {
            while (nBorder > 0 && marker[i] != marker[nBorder]) nBorder = m_arrBorders[nBorder - 1];
            if (marker[i] == marker[nBorder]) ++nBorder;
            m_arrBorders[i] = nBorder;
        }
        return;
    }
    // A text shorter than the stretches sampled (a verse) is sought by the
    // marker's first byte: judging the rarest would cost more than the search.
    if (marker.size() < 2 || text.size() < 4 * kStretch) return;
    unsigned nKeyCount = SampledCount(text, marker[0]);
    for (std::size_t i = 1; i < marker.size() && nKeyCount > 0; ++i) {
        const unsigned nCount = SampledCount(text, marker[i]);
        if (nCount < nKeyCount) {
            m_nKeyOffset = i;
            nKeyCount = nCount;
        }
    }
}

std::size_t CMarkerSearch::Find(std::size_t start) {
    const std::size_t nMarker = m_marker.size();
    if (nMarker == 0 || start > m_text.size() || m_text.size() - start < nMarker) return std::string_view::npos;
    return m_arrBorders.empty() ? FindByRareByte(start) : FindByBorders(start);
}

std::size_t CMarkerSearch::FindByRareByte(std::size_t start) const {
    const std::size_t nMarker = m_marker.size();
    const char key = m_marker[m_nKeyOffset];
    const char* const pBegin = m_text.data();
    // Candidates for the key byte run from the first possible marker start on;
    // they come in order, so the first full match is the leftmost one.
    const char* pSearch = pBegin + start + m_nKeyOffset;
    const char* const pLast = pBegin + m_text.size() - (nMarker - m_nKeyOffset);  // last possible key position
    while (pSearch <= pLast) {
        const auto* pKey =
            static_cast<const char*>(std::memchr(pSearch, key, static_cast<std::size_t>(pLast - pSearch) + 1));
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

std::size_t CMarkerSearch::FindByBorders(std::size_t start) {
    // After a find at f the state is that of a search begun at f + 1 which
    // has read up to f + marker length: overlapping occurrences count.
    if (start != m_nResumeStart) {
        m_nScanned = start;
        m_nMatched = 0;
    }
    const std::size_t nMarker = m_marker.size();
    const char* const pText = m_text.data();
    while (m_nScanned < m_text.size()) {
        if (m_nMatched == 0) {  // nothing matched: skip to the marker's first byte
            const void* pFirst = std::memchr(pText + m_nScanned, m_marker[0], m_text.size() - m_nScanned);
            if (pFirst == nullptr) break;
            m_nScanned = static_cast<std::size_t>(static_cast<const char*>(pFirst) - pText);
        }
        const char ch = pText[m_nScanned++];
        while (m_nMatched > 0 && m_marker[m_nMatched] != ch) m_nMatched = m_arrBorders[m_nMatched - 1];
        if (m_marker[m_nMatched] == ch) ++m_nMatched;
        if (m_nMatched == nMarker) {
            m_nMatched = m_arrBorders[nMarker - 1];
            const std::size_t found = m_nScanned - nMarker;
            m_nResumeStart = found + 1;
            return found;
        }
    }
    m_nResumeStart = std::string_view::npos;
    return std::string_view::npos;
}

}  // namespace sorvanta
