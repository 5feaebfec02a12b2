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

// Whether the line names a book file that exists in the module's folder.
bool IsBookFileLine(std::string_view line, const CFolderFiles& files, TextEncoding encoding) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view name = Trim(line.substr(equals + 1));
    if (name.empty() || name.find_first_of(kPathSeparators) != std::string_view::npos) return false;
    return files.Has(ConvertText(name, encoding, TextEncoding::Utf8));
}

}  // namespace

std::vector<std::string> ListBookAbbreviations(const std::string& strIniPath, TextEncoding encoding) {
    const std::optional<CFileBytes> content = ReadFileNoCase(strIniPath);
    if (!content) return {};
    const CFolderFiles files(DirectoryOf(strIniPath));
    std::vector<std::string> abbreviations;
    std::unordered_set<std::string_view> seen;  // views into the file's bytes, which outlive the list
    CTextLines lines(content->View());
    std::string_view twoAbove, oneAbove, line;
    for (std::size_t nLine = 0; lines.Next(line); ++nLine, twoAbove = oneAbove, oneAbove = line) {
        if (nLine < 2 || !IsBookFileLine(twoAbove, files, encoding)) continue;
        std::string_view words = line;
        if (const std::size_t equals = words.find('='); equals != std::string_view::npos) {
            words.remove_prefix(equals + 1);
        }
        while (!(words = TrimLeft(words)).empty()) {
            const std::size_t end = std::min(words.find_first_of(" \t"), words.size());
            if (const std::string_view word = words.substr(0, end); seen.insert(word).second) {
                abbreviations.emplace_back(word);
                if (abbreviations.size() == kMostBookAbbreviations) return abbreviations;
            }
            words.remove_prefix(end);
        }
    }
    return abbreviations;
}

}  // namespace sorvanta
