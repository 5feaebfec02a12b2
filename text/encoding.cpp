#include "text/encoding.h"

#include "text/bytestring.h"
#include "text/codec.h"

namespace sorvanta {

namespace {

// Whether the character at `pos` is well-formed; moves `pos` past it. Only a
// broken sequence moves a single byte of 0x80 or above.
bool NextIsValid(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    DecodeUtf8(text, pos);
    return pos - start > 1 || static_cast<unsigned char>(text[start]) < 0x80;
}

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (NextIsValid(text, pos)) {
            valid.append(text.substr(start, pos - start));
        } else {
            valid += '?';
        }
    }
    return valid;
}

void MakeUpperUtf8InPlace(std::span<char> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead >= 'a' && lead <= 'z') {
            bytes[i] = static_cast<char>(lead - 0x20);
            continue;
        }
        if (i + 1 == bytes.size() || lead < 0xD0 || lead > 0xD2) continue;
        const auto next = static_cast<unsigned char>(bytes[i + 1]);
        unsigned char upperLead = lead;
        int shift = 0;  // added to the second byte
        if (lead == 0xD0 && next >= 0xB0 && next <= 0xBF) {
            shift = -0x20;  // а..п: U+0430..043F -> U+0410..041F
        } else if (lead == 0xD1 && next >= 0x80 && next <= 0x8F) {
            upperLead = 0xD0;  // р..я: U+0440..044F -> U+0420..042F
            shift = 0x20;
        } else if (lead == 0xD1 && next >= 0x90 && next <= 0x9F) {
            upperLead = 0xD0;  // ѐ..џ (ё, ђ, ї ...): U+0450..045F -> U+0400..040F
            shift = -0x10;
        } else if (lead == 0xD2 && next == 0x91) {
            shift = -1;  // ґ: U+0491 -> U+0490
        } else {
            continue;
        }
        bytes[i] = static_cast<char>(upperLead);
        bytes[i + 1] = static_cast<char>(next + shift);
        ++i;
    }
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (!NextIsValid(text, pos)) return false;
    }
    return true;
}

std::string ConvertText(std::string_view text, TextEncoding from, TextEncoding to) {
    if (from == TextEncoding::Cp1251) return to == TextEncoding::Cp1251 ? std::string(text) : Cp1251ToUtf8(text);
    return to == TextEncoding::Cp1251 ? Utf8ToCp1251(text) : ValidUtf8(text);
}

void MakeUpperInPlace(std::span<char> bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Cp1251) {
        MakeUpperInPlace(bytes);
    } else {
        MakeUpperUtf8InPlace(bytes);
    }
}

std::string MakeUpper(std::string_view text, TextEncoding encoding) {
    std::string upper(text);
    MakeUpperInPlace(upper, encoding);
    return upper;
}

char Cp1251CharacterBefore(std::string_view text, std::size_t pos, TextEncoding encoding) {
    if (encoding == TextEncoding::Cp1251) return text[pos - 1];
    // A character is at most four bytes long: its lead, then continuations.
    std::size_t start = pos - 1;
    while (start > 0 && pos - start < 4 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    std::size_t end = start;
    const char32_t code = DecodeUtf8(text, end);
    return end == pos ? UnicodeToCp1251(code) : '?';
}

std::string_view NoBreakSpace(TextEncoding encoding) {
    return encoding == TextEncoding::Cp1251 ? "\xA0" : "\xC2\xA0";
}

}  // namespace sorvanta
