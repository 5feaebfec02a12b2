#include "lookup/lookup.h"

#include <utility>

#include "lookup/bookresolver.h"
#include "lookup/clean.h"
#include "lookup/extract.h"
#include "lookup/reference.h"
#include "lookup/request.h"
#include "modules/moduleinfo.h"
#include "text/bytestring.h"
#include "text/codec.h"
#include "text/filenames.h"

namespace sorvanta {

namespace {

// What a lookup knows besides the reference.
struct CLookupContext {
    const std::string& m_strIniPath;
    const ModuleMarkers& m_markers;
    TextEncoding m_encoding;
    bool m_bDropStrongNumbers;
};

std::string MissReasonText(const CExtraction& miss) {
    if (miss.m_reason == CMissReason::Unknown) return {};
    return Utf8ToCp1251(MissReason(miss)) + ".";
}

// The cleaned text of every piece of the reference, joined by CR LF; nothing
// found gives the result's outcome and reason instead.
bool QuotePieces(std::string_view book, std::string_view strVerse, const CLookupContext& context, LookupResult& result,
                 std::string& strText) {
    const std::vector<std::string> pieces = VersePieces(strVerse);
    if (pieces.size() > kMaxVersePieces) {
        result.m_strReason = MissReasonText({{}, CMissReason::TooManyPieces, static_cast<int>(kMaxVersePieces)});
        return false;
    }
    CPassageCutter cutter(book, context.m_markers.m_strChapterSign, context.m_markers.m_strVerseSign);
    CCleaning cleaning{context.m_markers.m_strChapterSign, context.m_markers.m_strVerseSign, context.m_encoding,
                       context.m_bDropStrongNumbers, false};
    for (const std::string& strPiece : pieces) {
        const Reference reference = ParseReference(strPiece, context.m_encoding);
        const CExtraction cut = cutter.Cut(reference);
        if (cut.m_arrStretches.empty()) {
            result.m_strReason = MissReasonText(cut);
            return false;
        }
        cleaning.m_bHeadingFirst = reference.m_strFirstVerse.empty();
        for (const std::string_view stretch : cut.m_arrStretches) {
            // Only the very first verse loses its number.
            std::string strClean = CleanPassage(stretch, strText.empty() ? reference.m_strFirstVerse : "", cleaning);
            if (strClean.empty()) {
                if (strText.empty()) return false;
                continue;
            }
            if (!strText.empty()) strText += "\r\n";
            strText += strClean;
        }
    }
    return !strText.empty();
}

// One reference, in the module's encoding; the quotation starts with `strShown`.
LookupResult LookUpReference(std::string_view strVerse, std::string_view strShown, const CLookupContext& context) {
    LookupResult result;
    std::string strBookName;
    const std::string strBookPath = ResolveBookFile(strVerse, context.m_strIniPath, context.m_encoding, &strBookName);
    if (strBookPath.empty()) {
        result.m_outcome = LookupOutcome::NoBook;
        return result;
    }
    const std::optional<CFileBytes> book = ReadFileNoCase(strBookPath);
    if (!book) return result;
    std::string_view text = book->View();
    if (context.m_encoding == TextEncoding::Utf8 && text.starts_with(kUtf8ByteOrderMark)) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }

    std::string strText;
    if (!QuotePieces(text, strVerse, context, result, strText)) return result;
    result.m_outcome = LookupOutcome::Found;
    result.m_arrParts.push_back({std::string(strShown), std::move(strText), std::move(strBookName)});
    return result;
}

// A reference that is not found as typed is tried once more in its usual
// form, and then with a full stop after its abbreviation; one that is found
// is never changed, and one found in no form tells what the form typed found.
LookupResult LookUpPart(const RequestPart& part, const CLookupContext& context) {
    LookupResult typed = LookUpReference(part.m_strLookedUp, part.m_strShown, context);
    if (typed.m_outcome == LookupOutcome::Found) return typed;
    const std::string strUsual = UsualForm(part.m_strLookedUp, context.m_encoding);
    if (strUsual != Trim(part.m_strLookedUp)) {
        LookupResult usual = LookUpReference(strUsual, part.m_strShown, context);
        if (usual.m_outcome == LookupOutcome::Found) return usual;
    }
    if (const std::optional<std::string> strFullStop = FullStopForm(strUsual, context.m_encoding)) {
        LookupResult fullStop = LookUpReference(*strFullStop, part.m_strShown, context);
        if (fullStop.m_outcome == LookupOutcome::Found) return fullStop;
    }
    return typed;
}

}  // namespace

LookupResult LookUp(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers,
                    TextEncoding moduleEncoding, TextEncoding typedEncoding, const CPassageOptions& options) {
    LookupResult result;
    result.m_encoding = moduleEncoding;
    const std::vector<RequestPart> parts =
        SplitRequest(ConvertText(strVerse, typedEncoding, moduleEncoding), moduleEncoding);
    if (strIniPath.empty() || parts.empty()) {
        result.m_outcome = LookupOutcome::NoBook;
        return result;
    }
    CModuleInfo info = ReadModuleInfo(strIniPath);
    const bool bDropStrongNumbers = !options.m_bKeepStrongNumbers && info.m_bStrongNumbers;
    const CLookupContext context{strIniPath, markers, moduleEncoding, bDropStrongNumbers};
    for (const RequestPart& part : parts) {
        LookupResult partResult = LookUpPart(part, context);
        if (partResult.m_outcome != LookupOutcome::Found) {
            partResult.m_encoding = moduleEncoding;
            partResult.m_arrParts.clear();
            return partResult;
        }
        result.m_arrParts.push_back(std::move(partResult.m_arrParts.front()));
    }
    result.m_outcome = LookupOutcome::Found;
    result.m_strModule = std::move(info.m_strShortName);
    return result;
}

std::vector<std::string> LookupMessages(LookupOutcome outcome) {
    // The "c" before "таким" is the Latin letter, as the program has always shown it.
    static const std::string strNoBook = Utf8ToCp1251("Нету книг c таким сокращением или не выбран модуль");
    static const std::string strNotFound = Utf8ToCp1251("Искомый отрывок не найден");
    switch (outcome) {
        case LookupOutcome::Found: return {};
        case LookupOutcome::NoBook: return {strNoBook, strNotFound};
        case LookupOutcome::NotFound: return {strNotFound};
    }
    return {};
}

std::string NotFoundMessage(const LookupResult& result) {
    std::string strMessage = LookupMessages(LookupOutcome::NotFound).front();
    if (!result.m_strReason.empty()) strMessage += "\n" + result.m_strReason;
    return strMessage;
}

}  // namespace sorvanta
