// The citation as HTML, for the rich-text flavour beside the plain text: the
// reference in bold, the verse numbers in superscript.
#pragma once

#include <string>
#include <string_view>

#include "lookup/citation.h"

namespace sorvanta {

// `text` with "&", "<", ">" and '"' written as character references.
std::string EscapeHtml(std::string_view text);

// The citation that FormatCitation gives, as a UTF-8 HTML fragment that
// declares its character set: the same format and the same verse numbers,
// line breaks as <br> unless the lines are joined.
std::string FormatCitationHtml(std::string_view strReference, std::string_view strPassage, const CCitationStyle& style,
                               CTextEncoding encoding);

}  // namespace sorvanta
