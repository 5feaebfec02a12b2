#include "lookup/abbreviations.h"

#include <algorithm>
#include <optional>
#include <string_view>

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
    const std::vector<std::string_view> lines = SplitTextLines(content->View());
    const CFolderFiles files(DirectoryOf(strIniPath));
    std::vector<std::string> abbreviations;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (!IsBookFileLine(lines[i - 2], files, encoding)) continue;
        std::string_view words = lines[i];
        if (const std::size_t equals = words.find('='); equals != std::string_view::npos) {
            words.remove_prefix(equals + 1);
        }
        while (!(words = TrimLeft(words)).empty()) {
            const std::size_t end = std::min(words.find_first_of(" \t"), words.size());
            std::string word(words.substr(0, end));
            if (std::find(abbreviations.begin(), abbreviations.end(), word) == abbreviations.end()) {
                abbreviations.push_back(std::move(word));
            }
            words.remove_prefix(end);
        }
    }
    return abbreviations;
}

}  // namespace sorvanta
