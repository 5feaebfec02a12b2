#include "lookup/preview.h"

#include <algorithm>
#include <optional>

#include "lookup/bookchapters.h"
#include "lookup/bookresolver.h"
#include "lookup/clean.h"
#include "lookup/extract.h"
#include "lookup/reference.h"
#include "lookup/request.h"
#include "text/bytestring.h"
#include "text/filenames.h"

namespace sorvanta {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

struct PartPreview {
    bool m_bFound = false;
    std::string m_strText;  // UTF-8
};

PartPreview Failure(std::string strReason) {
    return {false, std::move(strReason)};
}

// A module's middle line is the book's full name in most modules; some keep
// the number of chapters there, which names no book.
bool NamesTheBook(std::string_view value) {
    return !value.empty() && !std::all_of(value.begin(), value.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

PartPreview DescribePart(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers,
                         TextEncoding encoding) {
    static const std::string kNoBook = "Нет книги с таким сокращением";
    const Reference upper = ParseReference(MakeUpper(strVerse, encoding), encoding);
    const std::string_view word = TrimRight(upper.m_strBook);
    if (word.empty() || word.find('\n') != kNone) return Failure(kNoBook);
    const std::optional<CFileBytes> ini = ReadFileNoCase(strIniPath);
    if (!ini) return Failure(kNoBook);
    const std::optional<BookEntry> entry = FindBookEntry(ini->View(), word, encoding);
    if (!entry) return Failure(kNoBook);

    const Reference reference = ParseReference(strVerse, encoding);
    const std::string strName =
        ConvertText(NamesTheBook(entry->m_middleValue) ? entry->m_middleValue : Trim(reference.m_strBook), encoding,
                    TextEncoding::Utf8);
    const std::optional<CFileBytes> book = ReadFileNoCase(BookFilePath(strIniPath, entry->m_fileName, encoding));
    if (!book) return Failure("Искомый отрывок не найден");
    std::string_view text = book->View();
    if (encoding == TextEncoding::Utf8 && text.starts_with(kUtf8ByteOrderMark)) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }

    const int nChapter = NumberOf(reference.m_strChapter);
    CBookChapters chapters(text, markers.m_strChapterSign, markers.m_strVerseSign);
    const CChapterFound found = chapters.FindChapter(nChapter);
    if (!found.m_chapter) return Failure("В книге глав: " + std::to_string(found.m_nChapters));
    const std::string strChapter = std::to_string(nChapter);

    std::string strText;
    if (reference.m_strFirstVerse.empty()) {
        strText = strName + ", глава " + strChapter;
    } else {
        const int nFirst = NumberOf(reference.m_strFirstVerse);
        const int nLast = reference.m_strLastVerse.empty() ? nFirst : NumberOf(reference.m_strLastVerse);
        const int nVerses = chapters.VersesIn(*found.m_chapter);
        if (nFirst < 1 || nFirst > nVerses || nLast > nVerses) {
            return Failure("В главе стихов: " + std::to_string(nVerses));
        }
        if (nLast < nFirst || (!reference.m_strLastVerse.empty() && nLast == nFirst)) {
            return Failure("Искомый отрывок не найден");
        }
        strText = strName + " " + strChapter + ":" + std::to_string(nFirst);
        if (nLast != nFirst) strText += "–" + std::to_string(nLast);
        strText += ", " + VerseCount(nLast - nFirst + 1);
    }
    // What is counted above is what extraction finds; the cleaning may still
    // leave nothing (a verse that is all mark-up).
    const std::string_view passage = ExtractPassage(text, reference, markers.m_strChapterSign, markers.m_strVerseSign);
    if (CleanPassage(passage, reference.m_strFirstVerse).empty()) return Failure("Искомый отрывок не найден");
    return {true, strText};
}

// As the lookup does: a reference not found as typed is tried in its usual
// form, and one found in neither tells what the form typed found.
PartPreview DescribeRequestPart(const RequestPart& part, const std::string& strIniPath, const ModuleMarkers& markers,
                                TextEncoding encoding) {
    PartPreview typed = DescribePart(part.m_strLookedUp, strIniPath, markers, encoding);
    if (typed.m_bFound) return typed;
    const std::string strUsual = UsualForm(part.m_strLookedUp, encoding);
    if (strUsual == Trim(part.m_strLookedUp)) return typed;
    PartPreview usual = DescribePart(strUsual, strIniPath, markers, encoding);
    return usual.m_bFound ? usual : typed;
}

}  // namespace

std::string VerseCount(int nVerses) {
    const int nTens = nVerses % 100;
    const int nUnits = nVerses % 10;
    const char* pWord = "стихов";
    if (nTens < 11 || nTens > 14) {
        if (nUnits == 1) pWord = "стих";
        if (nUnits >= 2 && nUnits <= 4) pWord = "стиха";
    }
    return std::to_string(nVerses) + " " + pWord;
}

std::string DescribeRequest(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers,
                            TextEncoding moduleEncoding, TextEncoding typedEncoding) {
    if (strIniPath.empty() || Trim(strVerse).empty()) return {};
    const std::vector<RequestPart> parts =
        SplitRequest(ConvertText(strVerse, typedEncoding, moduleEncoding), moduleEncoding);
    std::string strLine;
    for (const RequestPart& part : parts) {
        PartPreview preview = DescribeRequestPart(part, strIniPath, markers, moduleEncoding);
        if (!preview.m_bFound) return preview.m_strText;
        if (!strLine.empty()) strLine += "; ";
        strLine += preview.m_strText;
    }
    return strLine;
}

}  // namespace sorvanta
