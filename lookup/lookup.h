// The whole lookup: from a typed reference to the finished quotation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "modules/markers.h"

namespace sorvanta {

enum class LookupOutcome {
    Found,     // the quotation is ready
    NoBook,    // no module selected, or the book could not be resolved
    NotFound,  // the book file, the chapter or the verses were not found
};

struct LookupResult {
    LookupOutcome m_outcome = LookupOutcome::NotFound;
    std::string m_strQuotation;  // typed reference + ". " + cleaned passage
};

// Looks the reference up, exactly as typed, in the module whose configuration
// file is `strIniPath` ("" when no module is selected), with its markers.
LookupResult LookUp(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers);

// The messages (code page 1251) that tell the user about a failed lookup, in
// the order they are shown; none for a found passage.
std::vector<std::string> LookupMessages(LookupOutcome outcome);

}  // namespace sorvanta
