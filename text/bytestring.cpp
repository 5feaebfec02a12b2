#include "text/bytestring.h"

#include <array>
#include <climits>

namespace sorvanta {

namespace {

// Upper-case table of code page 1251, built once at compile time.
constexpr std::array<unsigned char, 256> MakeUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<unsigned char>(c - 'a' + 'A');
    for (int c = 0xE0; c <= 0xFF; ++c) table[c] = static_cast<unsigned char>(c - 0x20);
    // The letters outside the two contiguous Cyrillic blocks: small -> capital.
    constexpr std::array<std::array<unsigned char, 2>, 15> pairs{{
        {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
        {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xBC, 0xA3}, {0xB4, 0xA5},
        {0xB8, 0xA8}, {0xBA, 0xAA}, {0xBF, 0xAF}, {0xB3, 0xB2}, {0xBE, 0xBD},
    }};
    for (const auto& pair : pairs) table[pair[0]] = pair[1];
    return table;
}

constexpr std::array<unsigned char, 256> kUpper = MakeUpperTable();

constexpr std::array<bool, 256> MakeLetterOrDigitTable() {
    std::array<bool, 256> table{};
    for (int c = '0'; c <= '9'; ++c) table[c] = true;
    for (int c = 0; c < 256; ++c) {
        // A byte is a letter when it has a case partner: it changes under
        // upper-casing, or some other byte upper-cases to it.
        if (kUpper[c] != c) {
            table[c] = true;
            table[kUpper[c]] = true;
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

char UpperCp1251(char ch) {
    return static_cast<char>(kUpper[static_cast<unsigned char>(ch)]);
}

std::string MakeUpper(std::string_view str) {
    std::string upper(str);
    for (char& ch : upper) ch = UpperCp1251(ch);
    return upper;
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
