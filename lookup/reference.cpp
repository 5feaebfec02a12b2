#include "lookup/reference.h"

#include "text/bytestring.h"

namespace sorvanta {

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

}  // namespace

Reference ParseReference(std::string_view strText) {
    const std::string_view text = Trim(strText);
    const std::size_t n = text.size();

    // Position 0 is never examined, so 0 also means "not found" and a book
    // abbreviation may begin with a digit.
    std::size_t chapterStart = 0;
    std::size_t verseStart = 0;
    bool bSeenNonDigit = false;
    for (std::size_t pos = 1; pos < n; ++pos) {
        if (!IsDigit(text[pos])) {
            bSeenNonDigit = chapterStart != 0;
        } else if (chapterStart == 0) {
            chapterStart = pos;
        } else if (bSeenNonDigit) {
            verseStart = pos;
            break;
        }
    }

    Reference reference;
    reference.m_strBook = text.substr(0, chapterStart);
    if (verseStart == 0) {
        reference.m_strChapter = text.substr(chapterStart);
        return reference;
    }
    reference.m_strChapter = TrimRight(text.substr(chapterStart, verseStart - chapterStart));
    const std::string_view rest = TrimRight(text.substr(verseStart));
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos) {
        reference.m_strFirstVerse = rest;
    } else {
        reference.m_strFirstVerse = TrimRight(rest.substr(0, dash));
        reference.m_strLastVerse = Trim(rest.substr(dash + 1));
    }
    return reference;
}

}  // namespace sorvanta
