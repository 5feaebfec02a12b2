// Conversion between code page 1251 and Unicode. One 256-entry table, no
// locale dependence; characters that code page 1251 lacks become "?".
#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

char32_t Cp1251ToUnicode(char ch);
// The code page 1251 byte of a Unicode character, or '?' when there is none.
char UnicodeToCp1251(char32_t code);

std::string Cp1251ToUtf8(std::string_view cp1251);
// Invalid UTF-8 sequences become "?" as well, one for each byte, overlong
// forms, surrogates and codes beyond U+10FFFF included.
std::string Utf8ToCp1251(std::string_view utf8);

// Appends the UTF-8 form of a character of the Basic Multilingual Plane.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace sorvanta
