#include "text/entities.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "text/codec.h"

namespace sorvanta {

namespace {

constexpr std::array<std::pair<std::string_view, char32_t>, 5> kNamed{{
    {"nbsp", U' '},  // a no-break space is quoted as a blank
    {"amp", U'&'},
    {"quot", U'"'},
    {"lt", U'<'},
    {"gt", U'>'},
}};

constexpr std::size_t kMaxDigits = 7;

std::optional<char32_t> NumberedCharacter(std::string_view digits, int base) {
    if (digits.empty() || digits.size() > kMaxDigits) return std::nullopt;
    char32_t code = 0;
    for (char ch : digits) {
        int digit = -1;
        if (ch >= '0' && ch <= '9') digit = ch - '0';
        if (base == 16 && ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
        if (base == 16 && ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
        if (digit < 0) return std::nullopt;
        code = code * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
    }
    const bool bControl = code < 0x20 && code != U'\t' && code != U'\n' && code != U'\r';
    if (bControl || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return std::nullopt;
    return code;
}

// The character that the reference between "&" and ";" names.
std::optional<char32_t> NamedCharacter(std::string_view name) {
    if (name.starts_with("#x") || name.starts_with("#X")) return NumberedCharacter(name.substr(2), 16);
    if (name.starts_with("#")) return NumberedCharacter(name.substr(1), 10);
    for (const auto& [known, code] : kNamed) {
        if (known == name) return code;
    }
    return std::nullopt;
}

}  // namespace

void DecodeEntities(std::string& text, TextEncoding encoding) {
    constexpr std::size_t kLongestName = 2 + kMaxDigits;  // "#x" and the digits
    std::size_t write = 0;
    std::string character;
    for (std::size_t read = 0; read < text.size();) {
        const std::size_t amp = text.find('&', read);
        const std::size_t stretchEnd = amp == std::string::npos ? text.size() : amp;
        std::copy(text.begin() + static_cast<std::ptrdiff_t>(read),
                  text.begin() + static_cast<std::ptrdiff_t>(stretchEnd),
                  text.begin() + static_cast<std::ptrdiff_t>(write));
        write += stretchEnd - read;
        read = stretchEnd;
        if (amp == std::string::npos) break;

        // The name is sought only as far as the longest one reaches.
        const std::string_view name = std::string_view(text).substr(amp + 1, kLongestName + 1);
        const std::size_t nameLength = name.find(';');
        std::optional<char32_t> code;
        if (nameLength != std::string_view::npos) code = NamedCharacter(name.substr(0, nameLength));
        character.clear();
        if (!code) {
            character.push_back('&');
            read = amp + 1;
        } else {
            if (encoding == TextEncoding::Utf8) {
                AppendUtf8(character, *code);
            } else {
                character = UnicodeToCp1251(*code);
            }
            read = amp + nameLength + 2;
        }
        std::copy(character.begin(), character.end(), text.begin() + static_cast<std::ptrdiff_t>(write));
        write += character.size();
    }
    text.resize(write);
}

}  // namespace sorvanta
