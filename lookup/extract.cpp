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

CExtraction Miss(CMissReason reason, int nCount) {
    CExtraction miss;
    miss.m_reason = reason;
    miss.m_nCount = nCount;
    return miss;
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

}  // namespace

std::optional<std::pair<int, int>> ChapterAndVerseOf(std::string_view strLastVerse) {
    const std::string_view field = Trim(strLastVerse);
    std::size_t digits = 0;
    while (digits < field.size() && IsDigit(field[digits])) ++digits;
    if (digits == 0 || digits == field.size() || field[digits] != ':') return std::nullopt;
    return std::pair{NumberOf(field.substr(0, digits)), NumberOf(field.substr(digits + 1))};
}

std::string MissReason(const CExtraction& miss) {
    switch (miss.m_reason) {
        case CMissReason::Unknown: break;
        case CMissReason::PastBook: return "В книге глав: " + std::to_string(miss.m_nCount);
        case CMissReason::PastChapter: return "В главе стихов: " + std::to_string(miss.m_nCount);
        case CMissReason::TooManyPieces: return "Отрывков в ссылке больше " + std::to_string(miss.m_nCount);
    }
    return "Искомый отрывок не найден";
}

CPassageCutter::CPassageCutter(std::string_view strBook, std::string_view strChapterSign, std::string_view strVerseSign)
    : m_book(strBook),
      m_chapterSign(strChapterSign),
      m_verseSign(strVerseSign),
      m_chapters(strBook, strChapterSign, strVerseSign) {}

std::optional<CChapterSpan> CPassageCutter::FindChapter(int nChapter, CExtraction& miss) {
    const CChapterFound found = m_chapters.FindChapter(nChapter);
    if (!found.m_chapter && nChapter > 0) miss = Miss(CMissReason::PastBook, found.m_nChapters);
    return found.m_chapter;
}

CExtraction CPassageCutter::Cut(const Reference& reference) {
    CExtraction result;
    const int nChapter = NumberOf(reference.m_strChapter);
    const std::optional<CChapterSpan> chapter = FindChapter(nChapter, result);
    if (!chapter) return result;
    const std::size_t cp = chapter->m_nStart;
    const std::size_t nc = chapter->m_nNext;

    if (reference.m_strFirstVerse.empty()) {
        const std::size_t start = cp == 0 ? 0 : cp - 1;
        result.m_arrStretches.push_back(m_book.substr(start, nc == kNone ? kNone : nc - start));
        return result;
    }

    CMarkerSearch verseSign(m_book, m_verseSign);
    int verseCount = 0;
    std::size_t searchFrom = cp + 1;
    const int nFirst = NumberOf(reference.m_strFirstVerse);
    const std::size_t vp = CountTo(verseSign, nFirst, verseCount, searchFrom);
    if (vp == kNone || (nc != kNone && vp >= nc)) {
        // The first verse lies beyond the chapter.
        return nFirst > 0 ? Miss(CMissReason::PastChapter, m_chapters.VersesIn(*chapter)) : result;
    }
    if (const auto crossing = ChapterAndVerseOf(reference.m_strLastVerse)) {
        if (crossing->first <= nChapter) return result;
        return CutCrossing(*chapter, vp, crossing->first, crossing->second);
    }
    std::size_t lp = vp;
    if (!reference.m_strLastVerse.empty()) {
        const int nLast = NumberOf(reference.m_strLastVerse);
        lp = CountTo(verseSign, nLast, verseCount, searchFrom);
        if (lp == kNone) return nLast > nFirst ? Miss(CMissReason::PastChapter, m_chapters.VersesIn(*chapter)) : result;
    }
    std::size_t end = verseSign.Find(lp + 1);
    if (end == kNone) end = m_book.size();
    if (nc != kNone && end > nc) end = nc;  // the request reaches the chapter's last verse
    result.m_arrStretches.push_back(m_book.substr(vp, end - vp));
    return result;
}

CExtraction CPassageCutter::CutCrossing(const CChapterSpan& first, std::size_t vp, int nLastChapter, int nLastVerse) {
    CExtraction result;
    const std::optional<CChapterSpan> last = FindChapter(nLastChapter, result);
    if (!last) return result;
    CMarkerSearch verseSign(m_book, m_verseSign);
    int verseCount = 0;
    std::size_t searchFrom = last->m_nStart + 1;
    const std::size_t lp = CountTo(verseSign, nLastVerse, verseCount, searchFrom);
    if (lp == kNone || (last->m_nNext != kNone && lp >= last->m_nNext)) {
        return nLastVerse > 0 ? Miss(CMissReason::PastChapter, m_chapters.VersesIn(*last)) : result;
    }
    std::size_t end = verseSign.Find(lp + 1);
    if (end == kNone || (last->m_nNext != kNone && end > last->m_nNext)) {
        end = last->m_nNext == kNone ? m_book.size() : last->m_nNext;
    }

    // Each later chapter is quoted from its first verse: its heading stays out.
    result.m_arrStretches.push_back(m_book.substr(vp, first.m_nNext - vp));
    CMarkerSearch chapterSign(m_book, m_chapterSign);
    CMarkerSearch firstVerses(m_book, m_verseSign);
    for (std::size_t marker = first.m_nNext;;) {
        const bool bLast = marker == last->m_nStart;
        const std::size_t stretchEnd = bLast ? end : chapterSign.Find(marker + 1);
        const std::size_t start = firstVerses.Find(marker + 1);
        if (start != kNone && start < stretchEnd)
            result.m_arrStretches.push_back(m_book.substr(start, stretchEnd - start));
        if (bLast) break;
        marker = stretchEnd;
    }
    return result;
}

std::string_view ExtractPassage(std::string_view strBook, const Reference& reference, std::string_view strChapterSign,
                                std::string_view strVerseSign) {
    const CExtraction cut = CPassageCutter(strBook, strChapterSign, strVerseSign).Cut(reference);
    if (cut.m_arrStretches.empty()) return {};
    const std::string_view first = cut.m_arrStretches.front();
    const std::string_view last = cut.m_arrStretches.back();
    return strBook.substr(static_cast<std::size_t>(first.data() - strBook.data()),
                          static_cast<std::size_t>(last.data() + last.size() - first.data()));
}

}  // namespace sorvanta
