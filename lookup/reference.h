// A typed scripture reference cut into its four fields.
#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

struct Reference {
    std::string m_strBook;        // everything before the chapter number, not trimmed
    std::string m_strChapter;     // from the chapter number up to the verse number
    std::string m_strFirstVerse;  // empty when the whole chapter is wanted
    std::string m_strLastVerse;   // empty for a single verse
};

// Cuts the reference text into its fields; converts and checks nothing.
Reference ParseReference(std::string_view strText);

}  // namespace sorvanta
