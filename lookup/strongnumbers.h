// Strong's numbers: the dictionary numbers some modules write after their words.
#pragma once

#include <string>

#include "text/encoding.h"

namespace sorvanta {

// Removes, in place and in one pass, every number that stands alone after a
// word: a blank that follows something other than white space, a run of
// ASCII digits, and then the end of the text, white space or a character
// that is neither a letter nor a digit. The blank goes with the number
// ("землю 776." -> "землю."). A number that begins a line (a verse's number)
// stays, and so does everything before `keepUntil` (a chapter's heading).
void RemoveStrongNumbers(std::string& text, std::size_t keepUntil, TextEncoding encoding);

}  // namespace sorvanta
