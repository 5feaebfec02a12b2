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
    std::string m_strBook;  // the book's full name in the module, "" when it has none
};

// The quotation of a found request (FormatQuotation in the default style) is
// each reference as typed + ". " + its cleaned passage, in the order typed,
// joined by CR LF.
struct LookupResult {
    LookupOutcome m_outcome = LookupOutcome::NotFound;
    std::string m_strReason;                         // not found: why, when the book tells (code page 1251)
    std::vector<QuotationPart> m_arrParts;           // what the quotation is made of, one per reference
    TextEncoding m_encoding = TextEncoding::Cp1251;  // of the quotation and its parts: the module's
    std::string m_strModule;                         // the module's short name, or its display name
};

// Choices of the reader that change what a passage reads.
struct CPassageOptions {
    bool m_bKeepStrongNumbers = false;  // quote a module's Strong's numbers as it writes them
};

// At most this many pieces in one reference with gaps.
inline constexpr std::size_t kMaxVersePieces = 1000;

// Looks the reference up, exactly as typed, in the module whose configuration
// file is `strIniPath` ("" when no module is selected), with its markers. The
// typed text, in `typedEncoding`, is converted to the module's encoding, and
// the quotation is in that encoding. A request may hold several references
// separated by ";" (SplitRequest); it is found only when every one is, and
// otherwise gives the outcome of the first that is not. A reference that is
// not found as typed is tried once more in its usual form (UsualForm), its
// quotation still starting with the reference as typed, and then with a full
// stop after its abbreviation (FullStopForm); not found in those forms
// either, it gives the outcome of the form typed.
//
// A reference with gaps ("Ин 3:16,18", VersePieces) is found when each of its
// pieces is: the first reads as that verse or range alone, each later one
// follows on a line of its own with its verses numbered as inside a range. A
// range that crosses chapters ("Ин 3:36-4:2") numbers the verses of each later
// chapter so too and leaves the chapters' headings out.
LookupResult LookUp(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers,
                    TextEncoding moduleEncoding = TextEncoding::Cp1251,
                    TextEncoding typedEncoding = TextEncoding::Cp1251, const CPassageOptions& options = {});

// The messages (code page 1251) that tell the user about a failed lookup, in
// the order they are shown; none for a found passage.
std::vector<std::string> LookupMessages(LookupOutcome outcome);

// The text of the "not found" message for a result: the message, and on a
// second line the reason when it is known (code page 1251).
std::string NotFoundMessage(const LookupResult& result);

}  // namespace sorvanta
