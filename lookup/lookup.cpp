#include "lookup/lookup.h"

#include <utility>

#include "lookup/bookresolver.h"
#include "lookup/clean.h"
#include "lookup/extract.h"
#include "lookup/reference.h"
#include "lookup/request.h"
#include "text/bytestring.h"
#include "text/codec.h"
#include "text/filenames.h"

namespace sorvanta {

namespace {

// One reference, in the module's encoding; the quotation starts with `strShown`.
LookupResult LookUpReference(std::string_view strVerse, std::string_view strShown, const std::string& strIniPath,
                             const ModuleMarkers& markers, TextEncoding encoding) {
    LookupResult result;
    const std::string strBookPath = ResolveBookFile(strVerse, strIniPath, encoding);
    if (strBookPath.empty()) {
        result.m_outcome = LookupOutcome::NoBook;
        return result;
    }
    const std::optional<CFileBytes> book = ReadFileNoCase(strBookPath);
    if (!book) return result;
    std::string_view text = book->View();
    if (encoding == TextEncoding::Utf8 && text.starts_with(kUtf8ByteOrderMark)) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }

    const Reference reference = ParseReference(strVerse, encoding);
    const std::string_view passage = ExtractPassage(text, reference, markers.m_strChapterSign, markers.m_strVerseSign);
    std::string strText = CleanPassage(passage, reference.m_strFirstVerse);
    if (strText.empty()) return result;

    result.m_outcome = LookupOutcome::Found;
    result.m_arrParts.push_back({std::string(strShown), std::move(strText)});
    return result;
}

// A reference that is not found as typed is tried once more in its usual
// form; one that is found is never changed, and one found in neither form
// tells what the form typed found.
LookupResult LookUpPart(const RequestPart& part, const std::string& strIniPath, const ModuleMarkers& markers,
                        TextEncoding encoding) {
    LookupResult typed = LookUpReference(part.m_strLookedUp, part.m_strShown, strIniPath, markers, encoding);
    if (typed.m_outcome == LookupOutcome::Found) return typed;
    const std::string strUsual = UsualForm(part.m_strLookedUp, encoding);
    if (strUsual == Trim(part.m_strLookedUp)) return typed;
    LookupResult usual = LookUpReference(strUsual, part.m_strShown, strIniPath, markers, encoding);
    return usual.m_outcome == LookupOutcome::Found ? usual : typed;
}

}  // namespace

LookupResult LookUp(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers,
                    TextEncoding moduleEncoding, TextEncoding typedEncoding) {
    LookupResult result;
    result.m_encoding = moduleEncoding;
    const std::vector<RequestPart> parts =
        SplitRequest(ConvertText(strVerse, typedEncoding, moduleEncoding), moduleEncoding);
    if (strIniPath.empty() || parts.empty()) {
        result.m_outcome = LookupOutcome::NoBook;
        return result;
    }
    for (const RequestPart& part : parts) {
        LookupResult partResult = LookUpPart(part, strIniPath, markers, moduleEncoding);
        if (partResult.m_outcome != LookupOutcome::Found) {
            result.m_outcome = partResult.m_outcome;
            result.m_arrParts.clear();
            return result;
        }
        result.m_arrParts.push_back(std::move(partResult.m_arrParts.front()));
    }
    result.m_outcome = LookupOutcome::Found;
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

}  // namespace sorvanta
