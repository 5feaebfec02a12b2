#include "lookup/lookup.h"

#include "lookup/bookresolver.h"
#include "lookup/clean.h"
#include "lookup/extract.h"
#include "lookup/reference.h"
#include "text/codec.h"
#include "text/filenames.h"

namespace sorvanta {

LookupResult LookUp(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers,
                    TextEncoding moduleEncoding, TextEncoding typedEncoding) {
    LookupResult result;
    result.m_encoding = moduleEncoding;
    const std::string strTyped = ConvertText(strVerse, typedEncoding, moduleEncoding);
    const std::string strBookPath =
        strIniPath.empty() ? std::string() : ResolveBookFile(strTyped, strIniPath, moduleEncoding);
    if (strBookPath.empty()) {
        result.m_outcome = LookupOutcome::NoBook;
        return result;
    }
    const std::optional<CFileBytes> book = ReadFileNoCase(strBookPath);
    if (!book) return result;
    std::string_view text = book->View();
    if (moduleEncoding == TextEncoding::Utf8 && text.starts_with(kUtf8ByteOrderMark)) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }

    const Reference reference = ParseReference(strTyped, moduleEncoding);
    const std::string strPassage = ExtractPassage(text, reference, markers.m_strChapterSign, markers.m_strVerseSign);
    std::string strText = CleanPassage(strPassage, reference.m_strFirstVerse);
    if (strText.empty()) return result;

    result.m_outcome = LookupOutcome::Found;
    result.m_strQuotation.reserve(strTyped.size() + 2 + strText.size());
    result.m_strQuotation.append(strTyped).append(". ").append(strText);
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
