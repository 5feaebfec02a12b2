// A typed request as people write it: several references separated by ";",
// abbreviations with a full stop, no-break spaces.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/encoding.h"

namespace sorvanta {

// One reference of a request: the text its quotation starts with, and the
// text that is looked up.
struct RequestPart {
    std::string m_strShown;
    std::string m_strLookedUp;
};

// The references of a request, in the order typed. A request without ";" is
// one reference, exactly as typed. Otherwise every part between the ";" that
// is not blank is one, trimmed; a part that names no book (nothing but ASCII
// digits, blanks and punctuation before its chapter, as in "Ин 3:16; 5:24")
// is looked up with the book of the nearest part before it that names one,
// and shown as typed.
std::vector<RequestPart> SplitRequest(std::string_view strTyped, TextEncoding encoding);

// The reference in the form the parser and book resolution know, for one
// more try when the form typed is not found: trimmed, no-break spaces as
// blanks, and without a full stop after the abbreviation ("Ин. 3:16" ->
// "Ин 3:16").
std::string UsualForm(std::string_view strTyped, TextEncoding encoding);

// The pieces of a reference with gaps, each as a reference of its own: a ","
// after a verse number starts a new piece of the same chapter ("Ин 3:16,
// 18-20" -> "Ин 3:16", "Ин 3:18-20"). A comma before the verse number
// ("Ин3,16") splits nothing, and blank pieces are passed over. A reference
// without such a comma is its one piece, exactly as typed.
std::vector<std::string> VersePieces(std::string_view strReference);

// A form of the reference with a full stop after its book abbreviation
// ("Прем 1:1" -> "Прем. 1:1"), for modules that list their abbreviations so;
// nothing when it has no book or already has the full stop.
std::optional<std::string> FullStopForm(std::string_view strReference, TextEncoding encoding);

}  // namespace sorvanta
