// Byte-string rules shared by the module reader and the lookup: every string
// holds code page 1251 bytes, positions count bytes from 0.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace sorvanta {

// Blank and the bytes 0x09..0x0D (tab, line feed, vertical tab, form feed,
// carriage return).
bool IsWhiteSpace(char ch);

std::string_view TrimLeft(std::string_view str);
std::string_view TrimRight(std::string_view str);
std::string_view Trim(std::string_view str);

namespace detail {
// Upper-case table of code page 1251, built once at compile time.
inline constexpr std::array<unsigned char, 256> MakeUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<unsigned char>(c - 'a' + 'A');
    for (int c = 0xE0; c <= 0xFF; ++c) table[c] = static_cast<unsigned char>(c - 0x20);
    // The letters outside the two contiguous Cyrillic blocks: small -> capital.
    constexpr std::array<std::array<unsigned char, 2>, 15> pairs{{{0x90, 0x80},
                                                                  {0x83, 0x81},
                                                                  {0x9A, 0x8A},
                                                                  {0x9C, 0x8C},
                                                                  {0x9D, 0x8D},
                                                                  {0x9E, 0x8E},
                                                                  {0x9F, 0x8F},
                                                                  {0xA2, 0xA1},
                                                                  {0xBC, 0xA3},
                                                                  {0xB4, 0xA5},
                                                                  {0xB8, 0xA8},
                                                                  {0xBA, 0xAA},
                                                                  {0xBF, 0xAF},
                                                                  {0xB3, 0xB2},
                                                                  {0xBE, 0xBD}}};
    for (const auto& pair : pairs) table[pair[0]] = pair[1];
    return table;
}

inline constexpr std::array<unsigned char, 256> kUpperCp1251 = MakeUpperTable();
}  // namespace detail

// Capital of a code page 1251 letter (Latin and Cyrillic, ё -> Ё and the other
// letters of the code page); every other byte is returned unchanged.
inline char UpperCp1251(char ch) {
    return static_cast<char>(detail::kUpperCp1251[static_cast<unsigned char>(ch)]);
}
std::string MakeUpper(std::string_view str);
void MakeUpperInPlace(std::span<char> bytes);
// The small letter of a capital; every other byte is returned unchanged.
std::string MakeLower(std::string_view str);

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
