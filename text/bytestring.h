// Byte-string rules shared by the module reader and the lookup: every string
// holds code page 1251 bytes, positions count bytes from 0.
#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

// Blank and the bytes 0x09..0x0D (tab, line feed, vertical tab, form feed,
// carriage return).
bool IsWhiteSpace(char ch);

std::string_view TrimLeft(std::string_view str);
std::string_view TrimRight(std::string_view str);
std::string_view Trim(std::string_view str);

// Capital of a code page 1251 letter (Latin and Cyrillic, ё -> Ё and the other
// letters of the code page); every other byte is returned unchanged.
char UpperCp1251(char ch);
std::string MakeUpper(std::string_view str);

// True for the letters of code page 1251 in either case and for the digits.
bool IsLetterOrDigitCp1251(char ch);

// Position of the first occurrence of `needle` at or after `start`, or npos.
// An empty needle occurs nowhere: a marker that a module lacks matches nothing.
std::size_t FindBytes(std::string_view haystack, std::string_view needle, std::size_t start);

// The field's leading decimal number after optional white space and sign, as
// atoi reads it; 0 for a field without digits. Saturates at the int range
// instead of overflowing.
int NumberOf(std::string_view field);

}  // namespace sorvanta
