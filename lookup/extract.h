// Cutting a chapter, verse or verse range out of a book file's text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/bookchapters.h"
#include "lookup/reference.h"

namespace sorvanta {

// Why nothing was cut, when the book can tell.
enum class CMissReason {
    Unknown,
    PastBook,       // the chapter asked for lies beyond the book's last chapter
    PastChapter,    // a verse asked for lies beyond its chapter's last verse
    TooManyPieces,  // the reference has more pieces than a lookup takes
};

// What one reference cuts out of a book: the stretches of the book it
// quotes, in order (none when nothing is found). A request within one chapter
// is one stretch; one that crosses into later chapters gives one stretch per
// chapter, each later one starting at its chapter's first verse, so that the
// chapters' headings are left out. When nothing is found for a reason the
// book can tell, m_nCount is the number of chapters in the book or of verses
// in the chapter (or the most pieces a reference may have).
struct CExtraction {
    std::vector<std::string_view> m_arrStretches;
    CMissReason m_reason = CMissReason::Unknown;
    int m_nCount = 0;
};

// Why nothing was cut, as the person is told (UTF-8): "В книге глав: 21",
// "В главе стихов: 36", "Отрывков в ссылке больше 1000", or "Искомый отрывок не найден" when the book cannot
// tell.
std::string MissReason(const CExtraction& miss);

// Cuts passages out of one book by counting the chapter marker and then the
// verse marker. The chapter last found is kept, so that several pieces of one
// reference ("Ин 3:16,18") count their chapter once.
class CPassageCutter {
public:
    CPassageCutter(std::string_view strBook, std::string_view strChapterSign, std::string_view strVerseSign);

    // A whole chapter starts one byte before its marker. A range that reaches
    // a chapter's last verse ends where the next chapter begins; one whose
    // last verse names its chapter ("3:36-4:2") runs on into that chapter.
    CExtraction Cut(const Reference& reference);

private:
    std::optional<CChapterSpan> FindChapter(int nChapter, CExtraction& miss);
    CExtraction CutCrossing(const CChapterSpan& first, std::size_t vp, int nLastChapter, int nLastVerse);

    std::string_view m_book;
    std::string_view m_chapterSign;
    std::string_view m_verseSign;
    CBookChapters m_chapters;
};

// The bytes of the passage the reference asks for, a part of `strBook`, from
// the start of its first stretch to the end of its last; "" when nothing is
// found.
std::string_view ExtractPassage(std::string_view strBook, const Reference& reference, std::string_view strChapterSign,
                                std::string_view strVerseSign);

// The chapter and verse that a range's last verse names when it holds a colon
// after the chapter's digits ("4:2"); nothing for a plain verse number.
std::optional<std::pair<int, int>> ChapterAndVerseOf(std::string_view strLastVerse);

}  // namespace sorvanta
