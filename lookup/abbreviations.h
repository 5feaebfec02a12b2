// The book abbreviations a module offers, read from its configuration file
// the way book resolution reads it, for the reference field's suggestions.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "text/encoding.h"

namespace sorvanta {

// The most abbreviations a module offers: far above any real module (some
// hundreds), and few enough for the suggestions to stay quick.
inline constexpr std::size_t kMostBookAbbreviations = 5000;

// The words of every abbreviation line: a line two below a book-file line
// ("... = name" naming a file that exists beside the configuration file),
// taken after the abbreviation line's own "=" when it has one. In file order,
// each once, in the bytes the file writes them in (the module's `encoding`);
// at most the first kMostBookAbbreviations. Nothing when the file cannot be
// read.
std::vector<std::string> ListBookAbbreviations(const std::string& strIniPath,
                                               TextEncoding encoding = TextEncoding::Cp1251);

}  // namespace sorvanta
