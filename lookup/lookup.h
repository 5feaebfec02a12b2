// The whole lookup: from a typed reference to the finished quotation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "modules/markers.h"
#include "text/encoding.h"

namespace sorvanta {

enum class LookupOutcome {
    Found,     // the quotation is ready
    NoBook,    // no module selected, or the book could not be resolved
    NotFound,  // the book file, the chapter or the verses were not found
};

// One reference of a found request: the reference as typed (a request's
// part, trimmed, when it holds several) and its cleaned passage.
struct QuotationPart {
    std::string m_strReference;
    std::string m_strPassage;
};

// The quotation of a found request (FormatQuotation in the default style) is
// each reference as typed + ". " + its cleaned passage, in the order typed,
// joined by CR LF.
struct LookupResult {
    LookupOutcome m_outcome = LookupOutcome::NotFound;
    std::vector<QuotationPart> m_arrParts;           // what the quotation is made of, one per reference
    TextEncoding m_encoding = TextEncoding::Cp1251;  // of the quotation and its parts: the module's
};

// Looks the reference up, exactly as typed, in the module whose configuration
// file is `strIniPath` ("" when no module is selected), with its markers. The
// typed text, in `typedEncoding`, is converted to the module's encoding, and
// the quotation is in that encoding. A request may hold several references
// separated by ";" (SplitRequest); it is found only when every one is, and
// otherwise gives the outcome of the first that is not. A reference that is
// not found as typed is tried once more in its usual form (UsualForm), its
// quotation still starting with the reference as typed; not found in that
// form either, it gives the outcome of the form typed.
LookupResult LookUp(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers,
                    TextEncoding moduleEncoding = TextEncoding::Cp1251,
                    TextEncoding typedEncoding = TextEncoding::Cp1251);

// The messages (code page 1251) that tell the user about a failed lookup, in
// the order they are shown; none for a found passage.
std::vector<std::string> LookupMessages(LookupOutcome outcome);

}  // namespace sorvanta
