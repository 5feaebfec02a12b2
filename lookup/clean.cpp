#include "lookup/clean.h"

#include "text/bytestring.h"

namespace sorvanta {

std::string CleanPassage(std::string_view strPassage, std::string_view strFirstVerse) {
    std::string text;
    text.reserve(strPassage.size());
    bool bInsideTag = false;
    for (char ch : Trim(strPassage)) {
        if (ch == '<') {
            bInsideTag = true;
        } else if (ch == '>') {
            bInsideTag = false;
        } else if (!bInsideTag) {
            text += ch;
        }
    }

    std::string_view result = Trim(text);
    const std::size_t blank = result.find(' ');
    if (blank != std::string_view::npos && result.substr(0, blank) == strFirstVerse) {
        result = result.substr(blank);
    }
    result = Trim(result);
    // Cut to the result in place: a passage may be as large as its book.
    const auto start = static_cast<std::size_t>(result.data() - text.data());
    text.erase(start + result.size());
    text.erase(0, start);
    return text;
}

}  // namespace sorvanta
