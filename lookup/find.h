// Finding the verses of a module by the words they hold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/lookup.h"
#include "modules/markers.h"
#include "text/encoding.h"

namespace sorvanta {

// The most verses a search lists, and how much of each verse's text it shows.
inline constexpr std::size_t kMaxFoundVerses = 50;
inline constexpr std::size_t kFoundVerseStartCharacters = 60;

// One verse found: its reference as OK finds it (the book's first
// abbreviation in the module that leads back to the book, a blank, chapter
// ":" verse) and the start of its text on one line, at most
// kFoundVerseStartCharacters characters, with "…" when it goes on.
struct CFoundVerse {
    std::string m_strReference;
    std::string m_strStart;
};

struct CFindResult {
    std::vector<CFoundVerse> m_arrVerses;            // best first; in m_encoding
    std::string m_strRefusal;                        // why the words were not sought (code page 1251), or ""
    TextEncoding m_encoding = TextEncoding::Cp1251;  // the module's
};

// Whether a typed request reads as words to find rather than a reference:
// no digit, and two words or more.
bool IsWordSearch(std::string_view strTyped);

// The verses of the module whose text, as a quotation gives it (tags,
// markers and, unless kept, Strong's numbers left out, character references
// decoded), holds every word typed (SearchWords: letter case and "ё"/"е"
// ignored, each word the start of a word of the verse). Verses that hold the
// words as a phrase come first, then those that hold them in the order
// typed, then the others; each group in the order of the books in the
// configuration file, of chapters and of verses; at most kMaxFoundVerses.
// Each book file is read once. Words that SearchRefusal refuses are not
// sought. Nothing is found without a module.
CFindResult FindVerses(std::string_view strTyped, const std::string& strIniPath, const ModuleMarkers& markers,
                       TextEncoding moduleEncoding = TextEncoding::Cp1251,
                       TextEncoding typedEncoding = TextEncoding::Cp1251, const CPassageOptions& options = {});

}  // namespace sorvanta
