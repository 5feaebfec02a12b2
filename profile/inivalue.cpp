#include "profile/inivalue.h"

#include "text/codec.h"

namespace sorvanta {

namespace {

constexpr char32_t kReplacementChar = 0xFFFD;

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// The control bytes with an escape letter of their own, and those letters.
constexpr std::string_view kEscapedBytes = "\a\b\f\n\r\t\v";
constexpr std::string_view kEscapeLetters = "abfnrtv";

char UnescapedChar(char letter) {
    const std::size_t index = kEscapeLetters.find(letter);
    return index == std::string_view::npos ? letter : kEscapedBytes[index];
}

void AppendHexEscape(std::string& out, unsigned char byte) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    out += "\\x";
    if (byte >= 16) out += kDigits[byte / 16];
    out += kDigits[byte % 16];
}

}  // namespace

std::string UnescapeIniValue(std::string_view written) {
    std::string out;
    for (std::size_t pos = 0; pos < written.size(); ++pos) {
        const char ch = written[pos];
        if (ch == '"') continue;  // quotes only group; they are not part of the value
        if (ch != '\\' || pos + 1 == written.size()) {
            out += ch;
            continue;
        }
        const char escaped = written[++pos];
        if (escaped != 'x') {
            out += UnescapedChar(escaped);
            continue;
        }
        char32_t code = 0;
        while (pos + 1 < written.size() && HexValue(written[pos + 1]) >= 0) {
            code = code * 16 + static_cast<char32_t>(HexValue(written[++pos]));
            if (code > 0xFFFF) code = kReplacementChar;
        }
        AppendUtf8(out, code);
    }
    if (out.starts_with("@@")) out.erase(0, 1);
    return out;
}

std::string EscapeIniValue(std::string_view value) {
    bool bQuote = !value.empty() && (value.front() == ' ' || value.back() == ' ');
    std::string out = value.starts_with('@') ? "@" : "";
    // After a \x escape a hex digit would continue the number, so it is
    // escaped as well.
    bool bAfterHexEscape = false;
    for (const char ch : value) {
        const auto byte = static_cast<unsigned char>(ch);
        const std::size_t letter = kEscapedBytes.find(ch);
        if (bAfterHexEscape && HexValue(ch) >= 0) {
            AppendHexEscape(out, byte);
            continue;
        }
        bAfterHexEscape = false;
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (letter != std::string_view::npos) {
            out += '\\';
            out += kEscapeLetters[letter];
        } else if (byte < 0x20) {
            AppendHexEscape(out, byte);
            bAfterHexEscape = true;
        } else {
            bQuote = bQuote || ch == ',' || ch == ';' || ch == '=';
            out += ch;
        }
    }
    return bQuote ? '"' + out + '"' : out;
}

}  // namespace sorvanta
