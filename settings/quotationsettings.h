// How the quotation is put together and copied: the citation format with its
// two switches, and whether the clipboard also gets a formatted (HTML) copy.
// Kept in the profile's own group beside the five settings.
#pragma once

#include "lookup/citation.h"

namespace sorvanta {

struct CQuotationValues {
    CCitationStyle m_style;  // by default the quotation exactly as looked up
    int m_bHtml = 1;
};

}  // namespace sorvanta
