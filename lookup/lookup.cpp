#include "lookup/lookup.h"

#include "lookup/bookresolver.h"
#include "lookup/clean.h"
#include "lookup/extract.h"
#include "lookup/reference.h"
#include "text/codec.h"
#include "text/filenames.h"

namespace sorvanta {

LookupResult LookUp(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers) {
    LookupResult result;
    const std::string strBookPath = strIniPath.empty() ? std::string() : ResolveBookFile(strVerse, strIniPath);
    if (strBookPath.empty()) {
        result.m_outcome = LookupOutcome::NoBook;
        return result;
    }
    const std::optional<CFileBytes> book = ReadFileNoCase(strBookPath);
    if (!book) return result;

    const Reference reference = ParseReference(strVerse);
    const std::string strPassage =
        ExtractPassage(book->View(), reference, markers.m_strChapterSign, markers.m_strVerseSign);
    std::string strText = CleanPassage(strPassage, reference.m_strFirstVerse);
    if (strText.empty()) return result;

    result.m_outcome = LookupOutcome::Found;
    result.m_strQuotation.reserve(strVerse.size() + 2 + strText.size());
    result.m_strQuotation.append(strVerse).append(". ").append(strText);
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
