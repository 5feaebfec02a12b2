// Finding the file of a typed book in the selected module.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/encoding.h"

namespace sorvanta {

// The path up to and including its last separator, or "" when it has none.
std::string DirectoryOf(std::string_view strPath);

// The path of the book file named by the reference's book abbreviation, or ""
// when the book cannot be resolved: an empty abbreviation, a configuration
// file that cannot be read, or no line holding the abbreviation as a whole
// word with a line holding "=" two lines above it. The first matching line
// from the top wins (lines are compared upper-cased); the book file name is
// the text after the first "=" of that line two above, in the letters the
// configuration file writes it in. The file is found whatever its letter case
// when it is opened. The reference and the file are in the module's encoding.
// An empty name, or one that leads outside the module's folder
// (StaysInsideFolder), gives the folder itself: no book is read from it, and
// the lookup reports it as a book file that cannot be opened.
// When `pBookName` is given, it receives the book's full name: the text after
// the first "=" of the line between the book-file line and the abbreviation
// line, trimmed ("" when that line holds no "=").
std::string ResolveBookFile(std::string_view strVerse, const std::string& strIniPath,
                            TextEncoding encoding = TextEncoding::Cp1251, std::string* pBookName = nullptr);

// The path of the book file `fileName` (as a configuration file writes it) of
// the module whose configuration file is `strIniPath`; the module's folder
// for a name that leads outside it.
std::string BookFilePath(const std::string& strIniPath, std::string_view fileName,
                         TextEncoding encoding = TextEncoding::Cp1251);

// The book file name that a configuration file's text gives for an
// abbreviation in capitals, without trailing white space: the first whole-word
// occurrence from the top, in upper-cased lines, with a line holding "=" two
// lines above it. Time grows with the text's length, never with the square
// of a line's.
std::optional<std::string_view> FindBookFileName(std::string_view strIniText, std::string_view strWord,
                                                 TextEncoding encoding = TextEncoding::Cp1251);

// A book's entry in a configuration file: the book file name, and the value
// of the line between the book-file line and the abbreviation line (after its
// first "=", trimmed; "" without one), which modules use for the book's full
// name.
struct BookEntry {
    std::string_view m_fileName;
    std::string_view m_middleValue;
};

// The entry FindBookFileName finds, with its middle line.
std::optional<BookEntry> FindBookEntry(std::string_view strIniText, std::string_view strWord,
                                       TextEncoding encoding = TextEncoding::Cp1251);

}  // namespace sorvanta
