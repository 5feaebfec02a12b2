#include "lookup/clean.h"

#include <algorithm>

#include "lookup/strongnumbers.h"
#include "text/bytestring.h"
#include "text/entities.h"
#include "text/markersearch.h"

namespace sorvanta {

namespace {

// Removes every occurrence of `marker`, in place and in one pass.
void RemoveMarker(std::string& text, std::string_view marker) {
    if (marker.empty()) return;
    const std::string_view view(text);
    CMarkerSearch search(view, marker);
    std::size_t write = 0;
    std::size_t read = 0;
    for (std::size_t found = search.Find(0); found != std::string_view::npos;
         found = search.Find(found + marker.size())) {
        std::copy(view.begin() + static_cast<std::ptrdiff_t>(read), view.begin() + static_cast<std::ptrdiff_t>(found),
                  text.begin() + static_cast<std::ptrdiff_t>(write));
        write += found - read;
        read = found + marker.size();
    }
    if (read == 0) return;
    std::copy(view.begin() + static_cast<std::ptrdiff_t>(read), view.end(),
              text.begin() + static_cast<std::ptrdiff_t>(write));
    text.resize(write + view.size() - read);
}

}  // namespace

std::string CleanPassage(std::string_view strPassage, std::string_view strFirstVerse, const CCleaning& cleaning) {
    const std::string_view passage = Trim(strPassage);
    std::string text;
    text.reserve(passage.size());
    // The text between tags is copied a stretch at a time. A "<" opens a tag
    // that ends after the next ">" (or with the passage); a ">" outside a tag
    // is dropped.
    const auto isMark = [](char ch) { return ch == '<' || ch == '>'; };
    for (std::size_t pos = 0; pos < passage.size();) {
        const auto mark = static_cast<std::size_t>(
            std::find_if(passage.begin() + static_cast<std::ptrdiff_t>(pos), passage.end(), isMark) - passage.begin());
        text.append(passage.substr(pos, mark - pos));
        if (mark == passage.size()) break;
        pos = passage[mark] == '<' ? std::min(passage.find('>', mark), passage.size()) + 1 : mark + 1;
    }
    // Markers that are tags are gone already; the others go here.
    RemoveMarker(text, cleaning.m_strChapterSign);
    RemoveMarker(text, cleaning.m_strVerseSign);
    DecodeEntities(text, cleaning.m_encoding);

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
    if (cleaning.m_bDropStrongNumbers) {
        RemoveStrongNumbers(text, cleaning.m_bHeadingFirst ? std::min(text.find('\n'), text.size()) : 0,
                            cleaning.m_encoding);
    }
    return text;
}

}  // namespace sorvanta
