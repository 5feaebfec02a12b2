#include "lookup/preview.h"

#include <algorithm>
#include <optional>

#include "lookup/bookresolver.h"
#include "lookup/clean.h"
#include "lookup/extract.h"
#include "lookup/find.h"
#include "lookup/lookup.h"
#include "lookup/reference.h"
#include "lookup/request.h"
#include "text/bytestring.h"
#include "text/filenames.h"
#include "text/markersearch.h"

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

// The verses a stretch of the book holds: each begins with the verse marker.
int VersesIn(std::string_view stretch, std::string_view verseSign) {
    CMarkerSearch search(stretch, verseSign);
    int nVerses = 0;
    for (std::size_t at = search.Find(0); at != kNone; at = search.Find(at + 1)) ++nVerses;
    return nVerses;
}

// "16", "16–18", "36–4:2": a piece's verses as the preview tells them, the
// last one as the book has it when the range runs past its chapter.
std::string VersesOfPiece(const Reference& piece, int nVerses) {
    std::string strText = std::to_string(NumberOf(piece.m_strFirstVerse));
    if (const auto crossing = ChapterAndVerseOf(piece.m_strLastVerse)) {
        strText += "–" + std::to_string(crossing->first) + ":" + std::to_string(crossing->second);
    } else if (nVerses > 1) {
        strText += "–" + std::to_string(NumberOf(piece.m_strFirstVerse) + nVerses - 1);
    }
    return strText;
}

// What the lookup would cut out of the book for the reference, piece by
// piece, told in one line, or why it would find nothing.
PartPreview DescribePassage(std::string_view text, std::string_view strVerse, const std::string& strName,
                            const ModuleMarkers& markers, TextEncoding encoding) {
    const std::vector<std::string> pieces = VersePieces(strVerse);
    if (pieces.size() > kMaxVersePieces)
        return Failure(MissReason({{}, CMissReason::TooManyPieces, static_cast<int>(kMaxVersePieces)}));
    CPassageCutter cutter(text, markers.m_strChapterSign, markers.m_strVerseSign);
    std::string strText;
    int nVerses = 0;
    for (const std::string& strPiece : pieces) {
        const Reference piece = ParseReference(strPiece, encoding);
        const CExtraction cut = cutter.Cut(piece);
        if (cut.m_arrStretches.empty()) return Failure(MissReason(cut));
        if (strText.empty()) {
            // What is cut may still clean to nothing (a verse that is all mark-up).
            if (CleanPassage(cut.m_arrStretches.front(), piece.m_strFirstVerse).empty())
                return Failure(MissReason(CExtraction{}));
            if (piece.m_strFirstVerse.empty())
                return {true, strName + ", глава " + std::to_string(NumberOf(piece.m_strChapter))};
            strText = strName + " " + std::to_string(NumberOf(piece.m_strChapter)) + ":";
        } else {
            strText += ", ";
        }
        int nPieceVerses = 0;
        for (const std::string_view stretch : cut.m_arrStretches)
            nPieceVerses += VersesIn(stretch, markers.m_strVerseSign);
        strText += VersesOfPiece(piece, nPieceVerses);
        nVerses += nPieceVerses;
    }
    return {true, strText + ", " + VerseCount(nVerses)};
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
    if (!book) return Failure(MissReason(CExtraction{}));
    std::string_view text = book->View();
    if (encoding == TextEncoding::Utf8 && text.starts_with(kUtf8ByteOrderMark)) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    return DescribePassage(text, strVerse, strName, markers, encoding);
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
    if (IsWordSearch(strVerse)) return "Поиск стихов по словам";
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
