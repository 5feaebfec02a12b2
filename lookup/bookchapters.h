// A book's chapters as its markers divide it: where a chapter stands, how
// many chapters the book has and how many verses a chapter has. The lookup
// cuts its passages by these counts and the preview line tells them.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace sorvanta {

// Where one chapter lies in the book.
struct CChapterSpan {
    std::size_t m_nStart = 0;  // of its marker
    std::size_t m_nNext = 0;   // the next chapter's marker, or npos
};

// The n-th chapter, or how many chapters the book has when it has no n-th.
struct CChapterFound {
    std::optional<CChapterSpan> m_chapter;
    int m_nChapters = 0;  // set only when m_chapter is empty
};

// Counts the chapter marker through the book and the verse marker through a
// chapter; every occurrence counts, overlapping ones too. The chapter found
// last is kept, so that asking for it again costs nothing.
class CBookChapters {
public:
    CBookChapters(std::string_view strBook, std::string_view strChapterSign, std::string_view strVerseSign);

    // The chapter counted from 1; a number below 1 finds none.
    CChapterFound FindChapter(int nChapter);
    // The verse markers after the chapter's own marker and before the next.
    int VersesIn(const CChapterSpan& chapter) const;

private:
    std::string_view m_book;
    std::string_view m_chapterSign;
    std::string_view m_verseSign;
    int m_nCachedChapter = 0;
    CChapterSpan m_cachedChapter;
};

}  // namespace sorvanta
