#include "lookup/clean.h"

#include <algorithm>

#include "text/bytestring.h"

namespace sorvanta {

std::string CleanPassage(std::string_view strPassage, std::string_view strFirstVerse) {
    const std::string_view passage = Trim(strPassage);
    std::string text;
    text.reserve(passage.size());
    // The text between tags is copied a stretch at a time. A "<" opens a tag
    // that ends after the next ">" (or with the passage); a ">" outside a tag
    // is dropped.
    for (std::size_t pos = 0; pos < passage.size();) {
        const std::size_t mark = std::min(passage.find_first_of("<>", pos), passage.size());
        text.append(passage.substr(pos, mark - pos));
        if (mark == passage.size()) break;
        pos = passage[mark] == '<' ? std::min(passage.find('>', mark), passage.size()) + 1 : mark + 1;
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
