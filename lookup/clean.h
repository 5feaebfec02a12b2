// Turning a cut passage into the plain text that is quoted.
#pragma once

#include <string>
#include <string_view>

#include "text/encoding.h"

namespace sorvanta {

// What cleaning knows of the module beyond the passage itself.
struct CCleaning {
    std::string_view m_strChapterSign;  // the module's markers, which never reach a quotation
    std::string_view m_strVerseSign;
    TextEncoding m_encoding = TextEncoding::Cp1251;
    bool m_bDropStrongNumbers = false;  // the module writes Strong's numbers and they are not wanted
    bool m_bHeadingFirst = false;       // a whole chapter: its first line is the heading
};

// Removes the mark-up tags (everything from "<" to ">"), the module's own
// markers where they are not tags, decodes the character references
// (DecodeEntities), removes the white space at both ends and the first word
// when it equals the first verse's number, and, when asked, the Strong's
// numbers (RemoveStrongNumbers).
std::string CleanPassage(std::string_view strPassage, std::string_view strFirstVerse, const CCleaning& cleaning = {});

}  // namespace sorvanta
