#include "lookup/reference.h"

#include <span>
#include <utility>

#include "text/bytestring.h"

namespace sorvanta {

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// What splits a verse range: "-", the en dash and the em dash, and in UTF-8
// the minus sign as well (code page 1251 lacks it; converting typed text
// turns it into "-").
constexpr std::string_view kCp1251Dashes[] = {"-", "\x96", "\x97"};
constexpr std::string_view kUtf8Dashes[] = {"-", "\xE2\x80\x93", "\xE2\x80\x94", "\xE2\x88\x92"};

// The first range separator in `rest`: its position (npos for none) and length.
std::pair<std::size_t, std::size_t> FirstDash(std::string_view rest, TextEncoding encoding) {
    const std::span<const std::string_view> dashes =
        encoding == TextEncoding::Cp1251 ? std::span<const std::string_view>(kCp1251Dashes) : kUtf8Dashes;
    std::pair<std::size_t, std::size_t> first{std::string_view::npos, 0};
    for (std::string_view dash : dashes) {
        const std::size_t pos = rest.find(dash);
        if (pos < first.first) first = {pos, dash.size()};
    }
    return first;
}

std::pair<std::size_t, std::size_t> ChapterAndVerseStarts(std::string_view text) {
    // Position 0 is never examined, so 0 also means "not found" and a book
    // abbreviation may begin with a digit.
    std::size_t chapterStart = 0;
    bool bSeenNonDigit = false;
    for (std::size_t pos = 1; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos])) {
            bSeenNonDigit = chapterStart != 0;
        } else if (chapterStart == 0) {
            chapterStart = pos;
        } else if (bSeenNonDigit) {
            return {chapterStart, pos};
        }
    }
    return {chapterStart, 0};
}

}  // namespace

std::size_t VerseStartOf(std::string_view strText) {
    return ChapterAndVerseStarts(Trim(strText)).second;
}

Reference ParseReference(std::string_view strText, TextEncoding encoding) {
    const std::string_view text = Trim(strText);
    const auto [chapterStart, verseStart] = ChapterAndVerseStarts(text);

    Reference reference;
    reference.m_strBook = text.substr(0, chapterStart);
    if (verseStart == 0) {
        reference.m_strChapter = text.substr(chapterStart);
        return reference;
    }
    reference.m_strChapter = TrimRight(text.substr(chapterStart, verseStart - chapterStart));
    const std::string_view rest = TrimRight(text.substr(verseStart));
    const auto [dash, nDash] = FirstDash(rest, encoding);
    if (dash == std::string_view::npos) {
        reference.m_strFirstVerse = rest;
    } else {
        reference.m_strFirstVerse = TrimRight(rest.substr(0, dash));
        reference.m_strLastVerse = Trim(rest.substr(dash + nDash));
    }
    return reference;
}

}  // namespace sorvanta
