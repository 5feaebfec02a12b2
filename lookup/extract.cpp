#include "lookup/extract.h"

#include "text/bytestring.h"
#include "text/markersearch.h"

namespace sorvanta {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Counts further occurrences of the marker from `searchFrom` until the count
// reaches `target`, each search starting one byte after the previous find.
// Returns the position of the occurrence that reached it, or kNone.
std::size_t CountTo(CMarkerSearch& marker, int target, int& count, std::size_t& searchFrom) {
    if (count >= target) return kNone;  // a count already reached or passed is never reached again
    std::size_t found = kNone;
    while (count < target) {
        found = marker.Find(searchFrom);
        if (found == kNone) return kNone;
        ++count;
        searchFrom = found + 1;
    }
    return found;
}

}  // namespace

std::string_view ExtractPassage(std::string_view strBook, const Reference& reference, std::string_view strChapterSign,
                                std::string_view strVerseSign) {
    CMarkerSearch chapterSign(strBook, strChapterSign);
    int chapterCount = 0;
    std::size_t searchFrom = 0;
    const std::size_t cp = CountTo(chapterSign, NumberOf(reference.m_strChapter), chapterCount, searchFrom);
    if (cp == kNone) return {};
    const std::size_t nc = chapterSign.Find(cp + 1);

    if (reference.m_strFirstVerse.empty()) {
        const std::size_t start = cp == 0 ? 0 : cp - 1;
        return strBook.substr(start, nc == kNone ? kNone : nc - start);
    }

    CMarkerSearch verseSign(strBook, strVerseSign);
    int verseCount = 0;
    searchFrom = cp + 1;
    const std::size_t vp = CountTo(verseSign, NumberOf(reference.m_strFirstVerse), verseCount, searchFrom);
    if (vp == kNone) return {};
    std::size_t lp = vp;
    if (!reference.m_strLastVerse.empty()) {
        lp = CountTo(verseSign, NumberOf(reference.m_strLastVerse), verseCount, searchFrom);
        if (lp == kNone) return {};
    }
    std::size_t end = verseSign.Find(lp + 1);
    if (end == kNone) end = strBook.size();

    if (nc != kNone && end > nc) {
        if (vp >= nc) return {};  // the first verse lies beyond the chapter
        end = nc;                 // the request reaches the chapter's last verse
    }
    return strBook.substr(vp, end - vp);
}

}  // namespace sorvanta
