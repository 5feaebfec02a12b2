// Conversion between code page 1251 and Unicode. One 256-entry table, no
// locale dependence; characters that code page 1251 lacks become "?".
#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

inline constexpr char32_t kMinusSign = 0x2212;
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

char32_t Cp1251ToUnicode(char ch);
// The code page 1251 byte of a Unicode character, or '?' when there is none.
// The minus sign, which the code page lacks, becomes its nearest character,
// the hyphen-minus "-", so that a range typed with it stays a range.
char UnicodeToCp1251(char32_t code);

// Decodes the UTF-8 sequence at `pos` and moves `pos` past it. Invalid input
// gives kReplacementCharacter and moves one byte: a stray or cut sequence,
// and a well-formed one that UTF-8 forbids (an overlong form such as C0 80
// for NUL, a surrogate, a code beyond U+10FFFF), so that no byte sequence
// turns into a NUL or a line feed other than those bytes themselves.
char32_t DecodeUtf8(std::string_view utf8, std::size_t& pos);

std::string Cp1251ToUtf8(std::string_view cp1251);
// Invalid UTF-8 sequences become "?" as well, one for each byte, overlong
// forms, surrogates and codes beyond U+10FFFF included.
std::string Utf8ToCp1251(std::string_view utf8);

// Appends the UTF-8 form of a character (up to U+10FFFF).
void AppendUtf8(std::string& out, char32_t code);

}  // namespace sorvanta
