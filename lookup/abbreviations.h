// The book abbreviations a module offers, read from its configuration file
// the way book resolution reads it, for the reference field's suggestions.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/encoding.h"

namespace sorvanta {

// The most abbreviations a module offers: far above any real module (some
// hundreds), and few enough for the suggestions to stay quick.
inline constexpr std::size_t kMostBookAbbreviations = 5000;

// Calls `visit` with each book of the module in file order, until it returns
// false: the book file's name (after the "=" of a line naming a file that
// exists beside the configuration file, trimmed) and the words of the
// abbreviation line two below it (taken after that line's own "=" when it
// has one), both in the bytes the file writes them in. False when the file
// cannot be read.
bool VisitModuleBooks(const std::string& strIniPath, TextEncoding encoding,
                      const std::function<bool(std::string_view fileName, std::string_view words)>& visit);

// Takes the next abbreviation (a run of bytes other than blank and tab) off
// the front of `words`; "" when none is left.
std::string_view NextAbbreviation(std::string_view& words);

// The words of every abbreviation line: a line two below a book-file line
// ("... = name" naming a file that exists beside the configuration file),
// taken after the abbreviation line's own "=" when it has one. In file order,
// each once, in the bytes the file writes them in (the module's `encoding`);
// at most the first kMostBookAbbreviations. Nothing when the file cannot be
// read.
std::vector<std::string> ListBookAbbreviations(const std::string& strIniPath,
                                               TextEncoding encoding = TextEncoding::Cp1251);

}  // namespace sorvanta
