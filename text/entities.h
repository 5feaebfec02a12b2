// Character references of HTML as book files write them.
#pragma once

#include <string>

#include "text/encoding.h"

namespace sorvanta {

// Replaces, in place and in one pass, "&nbsp;" (by a blank), "&amp;",
// "&quot;", "&lt;", "&gt;", "&#NNN;" and "&#xHH;" by the characters they stand
// for, written in `encoding`; a character that code page 1251 lacks becomes
// "?", as the codec writes it. A reference that names no character (an
// unknown name, a number of more than seven digits, 0, a control character
// other than tab and line ends, a surrogate, beyond U+10FFFF) stays as
// written. Every replacement is shorter than what it replaces.
void DecodeEntities(std::string& text, TextEncoding encoding);

}  // namespace sorvanta
