#include "lookup/bookresolver.h"

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

}  // namespace

std::string DirectoryOf(std::string_view strPath) {
    const std::size_t slash = strPath.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(strPath.substr(0, slash + 1));
}

std::string ResolveBookFile(std::string_view strVerse, const std::string& strIniPath) {
    const Reference reference = ParseReference(MakeUpper(strVerse));
    if (reference.m_strBook.empty()) return {};
    // The abbreviation is sought as a whole word: it starts its line or follows
    // a byte that is neither a letter nor a digit, and a blank or the line's
    // end follows it. The first match from the top whose line has a line
    // with "=" two lines above it names the book file.
    const std::string_view word = TrimRight(reference.m_strBook);
    if (word.find('\n') != std::string_view::npos) return {};  // it could never lie within one line

    const std::optional<CFileBytes> content = ReadFileNoCase(strIniPath);
    if (!content) return {};
    std::string upper(content->View());
    MakeUpperInPlace(upper);
    const std::string_view text(upper);

    for (std::size_t pos = FindBytes(text, word, 0); pos != std::string_view::npos; pos = FindBytes(text, word, pos + 1)) {
        if (pos > 0 && IsLetterOrDigitCp1251(text[pos - 1])) continue;
        if (!EndsWord(text, pos + word.size())) continue;
        const std::size_t fileLineStart = TwoLinesAbove(text, LineStart(text, pos));
        if (fileLineStart == std::string_view::npos) continue;
        const std::string_view fileLine = LineAt(text, fileLineStart);
        const std::size_t equals = fileLine.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view fileName = Trim(fileLine.substr(equals + 1));
        return DirectoryOf(strIniPath) + Cp1251ToUtf8(fileName);
    }
    return {};
}

}  // namespace sorvanta
