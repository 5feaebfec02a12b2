#include "lookup/bookresolver.h"

#include <vector>

#include "lookup/reference.h"
#include "text/bytestring.h"
#include "text/codec.h"
#include "text/filenames.h"
#include "text/filereading.h"

namespace sorvanta {

namespace {

// True when the abbreviation occurs in the line as a whole word: at the start
// of the line or after a byte that is neither a letter nor a digit. An
// occurrence inside a longer word is passed over and later ones are tried.
bool ContainsWord(std::string_view line, std::string_view abbreviation) {
    for (std::size_t pos = FindBytes(line, abbreviation, 0); pos != std::string_view::npos;
         pos = FindBytes(line, abbreviation, pos + 1)) {
        if (pos == 0 || !IsLetterOrDigitCp1251(line[pos - 1])) return true;
    }
    return false;
}

}  // namespace

std::string DirectoryOf(std::string_view strPath) {
    const std::size_t slash = strPath.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(strPath.substr(0, slash + 1));
}

std::string ResolveBookFile(std::string_view strVerse, const std::string& strIniPath) {
    const Reference reference = ParseReference(MakeUpper(strVerse));
    if (reference.m_strBook.empty()) return {};
    const std::string abbreviation = std::string(TrimRight(reference.m_strBook)) + ' ';

    const std::optional<std::string> content = ReadWholeFile(FindFileNoCase(strIniPath));
    if (!content) return {};

    // Every line is kept upper-cased with one blank appended, so that an
    // abbreviation ending its line still matches.
    std::vector<std::string> lines;
    for (std::string_view rawLine : SplitTextLines(*content)) {
        std::string line = MakeUpper(rawLine);
        line += ' ';
        if (lines.size() >= 2 && ContainsWord(line, abbreviation)) {
            const std::string& fileLine = lines[lines.size() - 2];
            const std::size_t equals = fileLine.find('=');
            if (equals != std::string::npos) {
                const std::string_view fileName = Trim(std::string_view(fileLine).substr(equals + 1));
                return FindFileNoCase(DirectoryOf(strIniPath) + Cp1251ToUtf8(fileName));
            }
        }
        lines.push_back(std::move(line));
    }
    return {};
}

}  // namespace sorvanta
