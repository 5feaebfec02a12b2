#include "text/bytestring.h"

#include <array>
#include <climits>
#include <cstdint>
#include <cstring>

namespace sorvanta {

namespace {

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
    for (int i = 0; i < 256; ++i) {
        if (detail::kUpperCp1251[i] != i) table[detail::kUpperCp1251[i]] = static_cast<unsigned char>(i);
    }
    return table;
}

constexpr std::array<unsigned char, 256> kLower = MakeLowerTable();

constexpr std::array<bool, 256> MakeLetterOrDigitTable() {
    std::array<bool, 256> table{};
    for (int c = '0'; c <= '9'; ++c) table[c] = true;
    for (int c = 0; c < 256; ++c) {
        // A byte is a letter when it has a case partner: it changes under
        // upper-casing, or some other byte upper-cases to it.
        if (detail::kUpperCp1251[c] != c) {
            table[c] = true;
            table[detail::kUpperCp1251[c]] = true;
        }
    }
    return table;
}

constexpr std::array<bool, 256> kLetterOrDigit = MakeLetterOrDigitTable();

}  // namespace

bool IsWhiteSpace(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

std::string_view TrimLeft(std::string_view str) {
    std::size_t begin = 0;
    while (begin < str.size() && IsWhiteSpace(str[begin])) ++begin;
    return str.substr(begin);
}

std::string_view TrimRight(std::string_view str) {
    std::size_t end = str.size();
    while (end > 0 && IsWhiteSpace(str[end - 1])) --end;
    return str.substr(0, end);
}

std::string_view Trim(std::string_view str) {
    return TrimRight(TrimLeft(str));
}

std::string MakeUpper(std::string_view str) {
    std::string upper(str);
    MakeUpperInPlace(upper);
    return upper;
}

void MakeUpperInPlace(std::span<char> bytes) {
    // Eight bytes at a time while every byte is plain ASCII or lies in 0xC0 to
    // 0xFF (the Russian alphabet without "ё"), which is all of a module's
    // configuration file but a rare byte: a to z and а to я lose their 0x20
    // bit. The other bytes above 0x7F go through the table.
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    char* const pText = bytes.data();
    const std::size_t nSize = bytes.size();
    std::size_t pos = 0;
    for (; pos + 8 <= nSize; pos += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, pText + pos, 8);
        // Bit 7 of each byte shifted against bits 6 and 5 of the same byte.
        const std::uint64_t bit6 = word << 1;
        const std::uint64_t bit5 = word << 2;
        if ((word & ~bit6 & kHighBits) != 0) {  // a byte in 0x80 to 0xBF
            for (std::size_t i = pos; i < pos + 8; ++i) pText[i] = UpperCp1251(pText[i]);
            continue;
        }
        const std::uint64_t low7 = word & ~kHighBits;  // adding to these never carries into the next byte
        const std::uint64_t atLeastA = low7 + (0x80 - 'a') * kOnes;
        const std::uint64_t aboveZ = low7 + (0x80 - 'z' - 1) * kOnes;
        const std::uint64_t latinSmall = atLeastA & ~aboveZ & ~word & kHighBits;
        const std::uint64_t cyrillicSmall = word & bit6 & bit5 & kHighBits;  // 0xE0 to 0xFF
        word -= (latinSmall | cyrillicSmall) >> 2;
        std::memcpy(pText + pos, &word, 8);
    }
    for (; pos < nSize; ++pos) pText[pos] = UpperCp1251(pText[pos]);
}

std::string MakeLower(std::string_view str) {
    std::string lower(str);
    for (char& ch : lower) ch = static_cast<char>(kLower[static_cast<unsigned char>(ch)]);
    return lower;
}

bool IsLetterOrDigitCp1251(char ch) {
    return kLetterOrDigit[static_cast<unsigned char>(ch)];
}

std::size_t FindBytes(std::string_view haystack, std::string_view needle, std::size_t start) {
    if (needle.empty() || start > haystack.size()) return std::string_view::npos;
    return haystack.find(needle, start);
}

int NumberOf(std::string_view field) {
    std::size_t pos = 0;
    while (pos < field.size() && IsWhiteSpace(field[pos])) ++pos;
    bool negative = false;
    if (pos < field.size() && (field[pos] == '+' || field[pos] == '-')) {
        negative = field[pos] == '-';
        ++pos;
    }
    long long value = 0;
    for (; pos < field.size() && field[pos] >= '0' && field[pos] <= '9'; ++pos) {
        if (value <= INT_MAX) value = value * 10 + (field[pos] - '0');
    }
    if (negative) return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

}  // namespace sorvanta
