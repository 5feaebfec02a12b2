// How the quotation is put together and copied (the citation format with its
// two switches, whether the clipboard also gets an HTML copy, and whether
// Strong's numbers are kept), kept in
// group "Quotation"; and the references typed, kept in group "History".
#pragma once

#include <string>
#include <vector>

#include "lookup/citation.h"
#include "profile/profile.h"

namespace sorvanta {

struct CQuotationValues {
    CCitationStyle m_style;  // by default the quotation exactly as looked up
    int m_bHtml = 1;
    CPassageOptions m_passage;  // Strong's numbers kept or left out
    // After a copy, the quotation is pasted into the window that was active
    // when the window was called up.
    int m_bPasteIntoDocument = 0;
    // The citation template (UTF-8) that stands in for the format; "" for
    // the format's own.
    std::string m_strTemplate;
};

// A template of more characters is refused, and one of more bytes than they
// can take is not read: the profile stays within what its reader accepts.
inline constexpr std::size_t kMaxTemplateCharacters = 1000;
inline constexpr std::size_t kMaxTemplate = 4 * kMaxTemplateCharacters;

// At most this many references are kept, the newest. A reference of more
// than kMaxHistoryEntry characters is not kept at all: the history never
// makes the profile larger than its reader accepts.
inline constexpr std::size_t kHistoryLength = 100;
inline constexpr std::size_t kMaxHistoryEntry = 1000;

// Each value with its default when it is absent or not understood.
CQuotationValues LoadQuotationValues(const CProfile& profile);
void StoreQuotationValues(CProfile& profile, const CQuotationValues& values);

// The references in the order they were typed, as the profile keeps them
// (UTF-8; a hand-written entry as it stands, whatever its bytes); loading
// keeps the newest kHistoryLength. Storing a history equal to the one loaded
// leaves the group exactly as it was written.
std::vector<std::string> LoadHistory(const CProfile& profile);
void StoreHistory(CProfile& profile, const std::vector<std::string>& arrHistory);

}  // namespace sorvanta
