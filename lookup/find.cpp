#include "lookup/find.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <unordered_set>

#include "lookup/abbreviations.h"
#include "lookup/bookresolver.h"
#include "lookup/clean.h"
#include "lookup/wordmatch.h"
#include "modules/moduleinfo.h"
#include "text/bytestring.h"
#include "text/filenames.h"
#include "text/markersearch.h"

namespace sorvanta {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Far above the books of any real module (some tens); each is read whole.
constexpr std::size_t kMostSearchedBooks = 1000;

struct CBookToSearch {
    std::string m_strFile;          // as the configuration file writes it
    std::string m_strAbbreviation;  // the first of the book's that the lookup resolves to it
};

// The module's books in file order, each file once, with the first of its
// abbreviations that book resolution leads back to it; a book none of whose
// abbreviations does cannot be quoted by reference and is left out.
std::vector<CBookToSearch> BooksToSearch(const std::string& strIniPath, TextEncoding encoding) {
    const std::optional<CFileBytes> ini = ReadFileNoCase(strIniPath);
    if (!ini) return {};
    std::vector<CBookToSearch> books;
    std::unordered_set<std::string> seen;  // file names in capitals
    VisitModuleBooks(strIniPath, encoding, [&](std::string_view fileName, std::string_view words) {
        if (!seen.insert(MakeUpper(fileName, encoding)).second) return true;
        for (std::string_view word = NextAbbreviation(words); !word.empty(); word = NextAbbreviation(words)) {
            const std::optional<std::string_view> resolved =
                FindBookFileName(ini->View(), MakeUpper(word, encoding), encoding);
            if (resolved && Trim(*resolved) == fileName) {
                books.push_back({std::string(fileName), std::string(word)});
                break;
            }
        }
        return books.size() < kMostSearchedBooks;
    });
    return books;
}

// Calls `visit` with the chapter and verse number and the bytes of every
// verse of a book, as extraction cuts a single verse: from its marker to the
// next verse marker or the next chapter's marker.
void ForEachVerse(std::string_view text, const ModuleMarkers& markers,
                  const std::function<void(int nChapter, int nVerse, std::string_view verse)>& visit) {
    CMarkerSearch chapters(text, markers.m_strChapterSign);
    CMarkerSearch verses(text, markers.m_strVerseSign);
    std::size_t verse = verses.Find(0);
    int nChapter = 0;
    for (std::size_t cp = chapters.Find(0); cp != kNone;) {
        ++nChapter;
        const std::size_t nc = chapters.Find(cp + 1);
        const std::size_t end = std::min(nc, text.size());
        while (verse != kNone && verse <= cp) verse = verses.Find(verse + 1);
        for (int nVerse = 1; verse != kNone && verse < end; ++nVerse) {
            const std::size_t next = verses.Find(verse + 1);
            visit(nChapter, nVerse, text.substr(verse, std::min(next, end) - verse));
            verse = next;
        }
        cp = nc;
    }
}

// The start of a verse on one line: white space runs as one blank, cut after
// kFoundVerseStartCharacters characters with "…".
std::string StartOf(std::string_view text, TextEncoding encoding) {
    std::string line;
    for (const char ch : text) {
        if (!IsWhiteSpace(ch)) {
            line += ch;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    std::size_t nCharacters = 0;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        if (encoding == TextEncoding::Utf8 && (static_cast<unsigned char>(line[pos]) & 0xC0) == 0x80) continue;
        if (nCharacters++ == kFoundVerseStartCharacters) {
            return std::string(TrimRight(std::string_view(line).substr(0, pos))) +
                   (encoding == TextEncoding::Utf8 ? "\xE2\x80\xA6" : "\x85");
        }
    }
    return line;
}

// The verses found so far, one list for each kind of match, each no longer
// than the whole result can use.
class CFoundGroups {
public:
    bool Wants(CWordMatch match) const { return m_groups[Index(match)].size() < kMaxFoundVerses; }
    void Add(CWordMatch match, CFoundVerse verse) { m_groups[Index(match)].push_back(std::move(verse)); }
    // No verse read later can take the place of one found.
    bool Complete() const { return !Wants(CWordMatch::Phrase); }

    std::vector<CFoundVerse> Best() && {
        std::vector<CFoundVerse> best;
        for (std::vector<CFoundVerse>& group : m_groups) {
            for (CFoundVerse& verse : group) {
                if (best.size() == kMaxFoundVerses) return best;
                best.push_back(std::move(verse));
            }
        }
        return best;
    }

private:
    static std::size_t Index(CWordMatch match) { return static_cast<std::size_t>(match); }
    std::array<std::vector<CFoundVerse>, 3> m_groups;  // phrase, in order, anywhere
};

}  // namespace

bool IsWordSearch(std::string_view strTyped) {
    if (std::any_of(strTyped.begin(), strTyped.end(), [](char ch) { return ch >= '0' && ch <= '9'; })) return false;
    std::size_t nWords = 0;
    bool bInWord = false;
    for (const char ch : strTyped) {
        const bool bWordByte = !IsWhiteSpace(ch);
        if (bWordByte && !bInWord) ++nWords;
        bInWord = bWordByte;
    }
    return nWords >= 2;
}

CFindResult FindVerses(std::string_view strTyped, const std::string& strIniPath, const ModuleMarkers& markers,
                       TextEncoding moduleEncoding, TextEncoding typedEncoding, const CPassageOptions& options) {
    CFindResult result;
    result.m_encoding = moduleEncoding;
    const std::vector<std::string> words = SearchWords(ConvertText(strTyped, typedEncoding, TextEncoding::Cp1251));
    result.m_strRefusal = SearchRefusal(words);
    if (!result.m_strRefusal.empty() || strIniPath.empty()) return result;

    const CCleaning cleaning{markers.m_strChapterSign, markers.m_strVerseSign, moduleEncoding,
                             !options.m_bKeepStrongNumbers && ReadModuleInfo(strIniPath).m_bStrongNumbers, false};
    CFoundGroups found;
    for (const CBookToSearch& book : BooksToSearch(strIniPath, moduleEncoding)) {
        const std::optional<CFileBytes> bytes =
            ReadFileNoCase(BookFilePath(strIniPath, book.m_strFile, moduleEncoding));
        if (!bytes) continue;
        std::string_view text = bytes->View();
        if (moduleEncoding == TextEncoding::Utf8 && text.starts_with(kUtf8ByteOrderMark)) {
            text.remove_prefix(kUtf8ByteOrderMark.size());
        }
        ForEachVerse(text, markers, [&](int nChapter, int nVerse, std::string_view verse) {
            const std::string strNumber = std::to_string(nVerse);
            const std::string strClean = CleanPassage(verse, strNumber, cleaning);
            std::string folded = moduleEncoding == TextEncoding::Utf8
                                     ? ConvertText(strClean, TextEncoding::Utf8, TextEncoding::Cp1251)
                                     : strClean;
            FoldForSearch(folded);
            const CWordMatch match = MatchWords(folded, words);
            if (match == CWordMatch::None || !found.Wants(match)) return;
            found.Add(match, {book.m_strAbbreviation + " " + std::to_string(nChapter) + ":" + strNumber,
                              StartOf(strClean, moduleEncoding)});
        });
        if (found.Complete()) break;
    }
    result.m_arrVerses = std::move(found).Best();
    return result;
}

}  // namespace sorvanta
