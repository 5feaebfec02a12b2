#include "lookup/bookresolver.h"

#include <algorithm>
#include <optional>
#include <span>

#include "lookup/reference.h"
#include "text/bytestring.h"
#include "text/codec.h"
#include "text/filenames.h"
#include "text/filereading.h"

namespace sorvanta {

namespace {

// Start of the line that holds position `pos`: just after the line feed before it.
std::size_t LineStart(std::string_view text, std::size_t pos) {
    while (pos > 0 && text[pos - 1] != '\n') --pos;
    return pos;
}

// The line that starts at `start`, without its line end (LF, or CR LF).
std::string_view LineAt(std::string_view text, std::size_t start) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    else if (end > start && text[end - 1] == '\r') --end;
    return text.substr(start, end - start);
}

// Whether the word at `pos` is followed by a blank or ends its line (every
// line is compared as if it had a blank appended).
bool EndsWord(std::string_view text, std::size_t after) {
    if (after == text.size() || text[after] == ' ' || text[after] == '\n') return true;
    return text[after] == '\r' && after + 1 < text.size() && text[after + 1] == '\n';
}

// Start of the line two above the line that starts at `lineStart`, or npos
// when that line is the first or second of the file.
std::size_t TwoLinesAbove(std::string_view text, std::size_t lineStart) {
    if (lineStart == 0) return std::string_view::npos;
    const std::size_t previous = LineStart(text, lineStart - 1);
    if (previous == 0) return std::string_view::npos;
    return LineStart(text, previous - 1);
}

// For an occurrence of the abbreviation at `pos`: the book file name when it
// is a whole word (it starts its line or follows a byte that is neither a
// letter nor a digit, and a blank or the line's end follows it) and the line
// two above holds "=". The name is the text after the first "=", trimmed, in
// the letters the file writes it in: the name the file usually has on disk.
std::optional<std::string_view> BookFileNameForMatch(std::string_view text, std::size_t pos, std::size_t nWord) {
    if (pos > 0 && IsLetterOrDigitCp1251(text[pos - 1])) return std::nullopt;
    if (!EndsWord(text, pos + nWord)) return std::nullopt;
    const std::size_t fileLineStart = TwoLinesAbove(text, LineStart(text, pos));
    if (fileLineStart == std::string_view::npos) return std::nullopt;
    const std::string_view fileLine = LineAt(text, fileLineStart);
    const std::size_t equals = fileLine.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Trim(fileLine.substr(equals + 1));
}

}  // namespace

std::string DirectoryOf(std::string_view strPath) {
    const std::size_t slash = strPath.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(strPath.substr(0, slash + 1));
}

std::string ResolveBookFile(std::string_view strVerse, const std::string& strIniPath) {
    const Reference reference = ParseReference(MakeUpper(strVerse));
    // The first occurrence from the top that is a whole word with a file
    // name two lines above it names the book file.
    const std::string_view word = TrimRight(reference.m_strBook);
    if (word.empty() || word.find('\n') != std::string_view::npos) return {};  // it could never lie within one line

    const std::optional<CFileBytes> content = ReadFileNoCase(strIniPath);
    if (!content) return {};
    const std::string_view written = content->View();
    // The abbreviation is compared with an upper-cased copy, made a stretch
    // at a time, only as far as the search gets. Upper-casing changes letters
    // only and keeps every byte in its place, so the rest is judged on the
    // bytes as written.
    constexpr std::size_t kStretch = 1024;
    std::string upper(written);
    std::size_t nReady = 0;
    std::size_t searchFrom = 0;
    while (nReady < upper.size()) {
        const std::size_t nGrow = std::min(kStretch, upper.size() - nReady);
        MakeUpperInPlace(std::span<char>(upper).subspan(nReady, nGrow));
        nReady += nGrow;
        const std::string_view ready = std::string_view(upper).substr(0, nReady);
        for (std::size_t pos = FindBytes(ready, word, searchFrom); pos != std::string_view::npos;
             pos = FindBytes(ready, word, pos + 1)) {
            if (const std::optional<std::string_view> fileName = BookFileNameForMatch(written, pos, word.size())) {
                return DirectoryOf(strIniPath) + Cp1251ToUtf8(*fileName);
            }
        }
        // A match starting here or later could end beyond what is ready.
        searchFrom = nReady + 1 > word.size() ? nReady + 1 - word.size() : 0;
    }
    return {};
}

}  // namespace sorvanta
