// A typed scripture reference cut into its four fields.
#pragma once

#include <string>
#include <string_view>

#include "text/encoding.h"

namespace sorvanta {

struct Reference {
    std::string m_strBook;        // everything before the chapter number, not trimmed
    std::string m_strChapter;     // from the chapter number up to the verse number
    std::string m_strFirstVerse;  // empty when the whole chapter is wanted
    std::string m_strLastVerse;   // empty for a single verse
};

// Cuts the reference text, in the module's encoding, into its fields;
// converts and checks nothing. A verse range is split at its first "-", en
// dash or em dash (or, in UTF-8, minus sign).
Reference ParseReference(std::string_view strText, TextEncoding encoding = TextEncoding::Cp1251);

// Where the verse part begins in the trimmed reference text (the first digit
// after the chapter number and something else), or 0 when there is none.
std::size_t VerseStartOf(std::string_view strText);

}  // namespace sorvanta
