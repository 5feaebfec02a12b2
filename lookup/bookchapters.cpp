#include "lookup/bookchapters.h"

#include "text/markersearch.h"

namespace sorvanta {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

}  // namespace

CBookChapters::CBookChapters(std::string_view strBook, std::string_view strChapterSign, std::string_view strVerseSign)
    : m_book(strBook), m_chapterSign(strChapterSign), m_verseSign(strVerseSign) {}

CChapterFound CBookChapters::FindChapter(int nChapter) {
    if (nChapter > 0 && nChapter == m_nCachedChapter) return {m_cachedChapter};
    CMarkerSearch chapterSign(m_book, m_chapterSign);
    int nCount = 0;
    for (std::size_t pos = chapterSign.Find(0); pos != kNone; pos = chapterSign.Find(pos + 1)) {
        if (++nCount == nChapter) {
            m_nCachedChapter = nChapter;
            m_cachedChapter = {pos, chapterSign.Find(pos + 1)};
            return {m_cachedChapter};
        }
    }
    return {std::nullopt, nCount};
}

int CBookChapters::VersesIn(const CChapterSpan& chapter) const {
    CMarkerSearch verseSign(m_book, m_verseSign);
    int nCount = 0;
    for (std::size_t pos = verseSign.Find(chapter.m_nStart + 1); pos != kNone && pos < chapter.m_nNext;
         pos = verseSign.Find(pos + 1)) {
        ++nCount;
    }
    return nCount;
}

}  // namespace sorvanta
