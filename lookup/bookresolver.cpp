#include "lookup/bookresolver.h"

#include "lookup/reference.h"
#include "text/bytestring.h"
#include "text/encoding.h"
#include "text/filenames.h"
#include "text/filereading.h"
#include "text/filesystem.h"
#include "text/markersearch.h"

namespace sorvanta {

namespace {

// The lines of a text walked forward once: where the current line starts and
// where the line two above it starts.
class CLineWalk {
public:
    explicit CLineWalk(std::string_view text) : m_text(text), m_nNext(NextStart(0)) {}

    // Moves on until the current line holds `pos`; true when it moved.
    bool MoveTo(std::size_t pos) {
        const std::size_t nBefore = m_nCurrent;
        while (m_nNext <= pos) {
            m_nTwoAbove = m_nOneAbove;
            m_nOneAbove = m_nCurrent;
            m_nCurrent = m_nNext;
            m_nNext = NextStart(m_nNext);
        }
        return m_nCurrent != nBefore;
    }
    // Start of the line two above (one above) the current one, or npos when
    // there is none.
    std::size_t TwoAbove() const { return m_nTwoAbove; }
    std::size_t OneAbove() const { return m_nOneAbove; }

private:
    std::size_t NextStart(std::size_t from) const {
        const std::size_t lf = m_text.find('\n', from);
        return lf == std::string_view::npos ? lf : lf + 1;
    }

    std::string_view m_text;
    std::size_t m_nTwoAbove = std::string_view::npos;
    std::size_t m_nOneAbove = std::string_view::npos;
    std::size_t m_nCurrent = 0;
    std::size_t m_nNext;
};

// The line that starts at `start`, without its line end (LF, or CR LF).
std::string_view LineAt(std::string_view text, std::size_t start) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos)
        end = text.size();
    else if (end > start && text[end - 1] == '\r')
        --end;
    return text.substr(start, end - start);
}

// Whether the occurrence at `pos` is a whole word: it starts its line or
// follows a character that is neither a letter nor a digit, and a blank or
// the line's end follows it (every line is compared as if it had a blank
// appended).
bool IsWholeWord(std::string_view text, std::size_t pos, std::size_t nWord, TextEncoding encoding) {
    if (pos > 0 && IsLetterOrDigitCp1251(Cp1251CharacterBefore(text, pos, encoding))) return false;
    const std::size_t after = pos + nWord;
    if (after == text.size() || text[after] == ' ' || text[after] == '\n') return true;
    return text[after] == '\r' && after + 1 < text.size() && text[after + 1] == '\n';
}

// The text after the first "=" of the line that starts at `start`, trimmed;
// nothing when there is no such line or it holds no "=".
std::optional<std::string_view> FileNameOnLine(std::string_view text, std::size_t start) {
    if (start == std::string_view::npos) return std::nullopt;
    const std::string_view line = LineAt(text, start);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(equals + 1));
}

}  // namespace

std::string DirectoryOf(std::string_view strPath) {
    const std::size_t slash = strPath.find_last_of(kPathSeparators);
    return slash == std::string_view::npos ? std::string() : std::string(strPath.substr(0, slash + 1));
}

std::string ResolveBookFile(std::string_view strVerse, const std::string& strIniPath, TextEncoding encoding,
                            std::string* pBookName) {
    const Reference reference = ParseReference(MakeUpper(strVerse, encoding), encoding);
    const std::string_view word = TrimRight(reference.m_strBook);
    if (word.empty() || word.find('\n') != std::string_view::npos) return {};  // it could never lie within one line

    const std::optional<CFileBytes> content = ReadFileNoCase(strIniPath);
    if (!content) return {};
    const std::optional<BookEntry> entry = FindBookEntry(content->View(), word, encoding);
    if (!entry) return {};
    if (pBookName != nullptr) *pBookName = entry->m_middleValue;
    return BookFilePath(strIniPath, entry->m_fileName, encoding);
}

std::string BookFilePath(const std::string& strIniPath, std::string_view fileName, TextEncoding encoding) {
    // A name that leads out of the module's folder is never opened: the
    // folder itself, from which no book is read, stands in for it.
    if (!StaysInsideFolder(fileName)) return DirectoryOf(strIniPath);
    return DirectoryOf(strIniPath) + ConvertText(fileName, encoding, TextEncoding::Utf8);
}

std::optional<std::string_view> FindBookFileName(std::string_view strIniText, std::string_view strWord,
                                                 TextEncoding encoding) {
    const std::optional<BookEntry> entry = FindBookEntry(strIniText, strWord, encoding);
    if (!entry) return std::nullopt;
    return entry->m_fileName;
}

std::optional<BookEntry> FindBookEntry(std::string_view strIniText, std::string_view strWord, TextEncoding encoding) {
    // The word is sought in an upper-cased copy. Upper-casing changes letters
    // only and keeps every byte in its place, so the rest is judged on the
    // bytes as written. The candidates come in order, so the lines are walked
    // once, and the line two above is looked at once per line.
    const std::string upper = MakeUpper(strIniText, encoding);
    CMarkerSearch search(upper, strWord);
    CLineWalk lines(strIniText);
    std::optional<std::string_view> fileName;  // of the current line; the first has none
    for (std::size_t pos = search.Find(0); pos != std::string_view::npos; pos = search.Find(pos + 1)) {
        if (!IsWholeWord(strIniText, pos, strWord.size(), encoding)) continue;
        if (lines.MoveTo(pos)) fileName = FileNameOnLine(strIniText, lines.TwoAbove());
        if (fileName) return BookEntry{*fileName, FileNameOnLine(strIniText, lines.OneAbove()).value_or("")};
    }
    return std::nullopt;
}

}  // namespace sorvanta
