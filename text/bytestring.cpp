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

void MakeUpperInPlace(std::string& str) {
    // Eight bytes at a time while they are plain ASCII (most of a module's
    // configuration file): a to z lose the 0x20 bit; no byte carries into
    // its neighbour, since every byte stays below 0x100.
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t pos = 0;
    for (; pos + 8 <= str.size(); pos += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, str.data() + pos, 8);
        if ((word & kHighBits) != 0) {
            for (std::size_t i = pos; i < pos + 8; ++i) str[i] = UpperCp1251(str[i]);
            continue;
        }
        const std::uint64_t atLeastA = word + (0x80 - 'a') * kOnes;
        const std::uint64_t aboveZ = word + (0x80 - 'z' - 1) * kOnes;
        const std::uint64_t smallLetters = atLeastA & ~aboveZ & kHighBits;
        word -= smallLetters >> 2;
        std::memcpy(str.data() + pos, &word, 8);
    }
    for (; pos < str.size(); ++pos) str[pos] = UpperCp1251(str[pos]);
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
