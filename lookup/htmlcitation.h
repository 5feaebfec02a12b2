// The citation as HTML, for the rich-text flavour beside the plain text: the
// reference in bold, the verse numbers in superscript.
#pragma once

#include <string>
#include <string_view>

#include "lookup/citation.h"

namespace sorvanta {

// `text` with "&", "<", ">" and '"' written as character references.
std::string EscapeHtml(std::string_view text);

// The citation that FormatCitation gives, as UTF-8 HTML: the same format and
// the same verse numbers, line breaks as <br> unless the lines are joined.
std::string FormatCitationHtml(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                               TextEncoding encoding);

// The quotation that FormatQuotation gives, as one UTF-8 HTML fragment that
// declares its character set, the references' citations joined by <br>.
std::string FormatQuotationHtml(const LookupResult& result, const CCitationStyle& style,
                                std::string_view strTemplate = {});

}  // namespace sorvanta
