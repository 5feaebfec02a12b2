#include "lookup/abbreviations.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "lookup/bookresolver.h"
#include "text/bytestring.h"
#include "text/filenames.h"
#include "text/filereading.h"
#include "text/filesystem.h"

namespace sorvanta {

namespace {

// The book file name a line gives when it names a file that exists in the
// module's folder.
std::optional<std::string_view> BookFileOf(std::string_view line, const CFolderFiles& files, TextEncoding encoding) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view name = Trim(line.substr(equals + 1));
    if (name.empty() || name.find_first_of(kPathSeparators) != std::string_view::npos) return std::nullopt;
    if (!files.Has(ConvertText(name, encoding, TextEncoding::Utf8))) return std::nullopt;
    return name;
}

}  // namespace

bool VisitModuleBooks(const std::string& strIniPath, TextEncoding encoding,
                      const std::function<bool(std::string_view fileName, std::string_view words)>& visit) {
    const std::optional<CFileBytes> content = ReadFileNoCase(strIniPath);
    if (!content) return false;
    const CFolderFiles files(DirectoryOf(strIniPath));
    CTextLines lines(content->View());
    std::string_view twoAbove, oneAbove, line;
    for (std::size_t nLine = 0; lines.Next(line); ++nLine, twoAbove = oneAbove, oneAbove = line) {
        if (nLine < 2) continue;
        const std::optional<std::string_view> fileName = BookFileOf(twoAbove, files, encoding);
        if (!fileName) continue;
        std::string_view words = line;
        if (const std::size_t equals = words.find('='); equals != std::string_view::npos) {
            words.remove_prefix(equals + 1);
        }
        if (!visit(*fileName, words)) break;
    }
    return true;
}

std::string_view NextAbbreviation(std::string_view& words) {
    words = TrimLeft(words);
    const std::size_t end = std::min(words.find_first_of(" \t"), words.size());
    const std::string_view word = words.substr(0, end);
    words.remove_prefix(end);
    return word;
}

std::vector<std::string> ListBookAbbreviations(const std::string& strIniPath, TextEncoding encoding) {
    std::vector<std::string> abbreviations;
    std::unordered_set<std::string> seen;
    VisitModuleBooks(strIniPath, encoding, [&](std::string_view, std::string_view words) {
        for (std::string_view word = NextAbbreviation(words); !word.empty(); word = NextAbbreviation(words)) {
            if (!seen.emplace(word).second) continue;
            abbreviations.emplace_back(word);
            if (abbreviations.size() == kMostBookAbbreviations) return false;
        }
        return true;
    });
    return abbreviations;
}

}  // namespace sorvanta
