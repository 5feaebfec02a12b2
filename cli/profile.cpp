#include "cli/profile.h"

#include <cstdlib>
#include <string_view>

#include "text/bytestring.h"
#include "text/codec.h"
#include "text/filereading.h"

namespace sorvanta {

namespace {

bool IsHexDigit(char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

char EscapedChar(char ch) {
    switch (ch) {
        case 'a': return '\a';
        case 'b': return '\b';
        case 'f': return '\f';
        case 'n': return '\n';
        case 'r': return '\r';
        case 't': return '\t';
        case 'v': return '\v';
        default: return ch;
    }
}

}  // namespace

std::string ProfilePath() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string strBase;
    if (configHome != nullptr && *configHome != '\0') {
        strBase = configHome;
    } else {
        const char* home = std::getenv("HOME");
        strBase = std::string(home != nullptr ? home : "") + "/.config";
    }
    return strBase + "/Sorvanta/sorvanta.conf";
}

std::string UnescapeIniValue(std::string_view value) {
    if (value.substr(0, 2) == "@@") value.remove_prefix(1);
    std::string out;
    for (std::size_t pos = 0; pos < value.size(); ++pos) {
        const char ch = value[pos];
        if (ch == '"') continue;  // quotes only group; they are not part of the value
        if (ch != '\\' || pos + 1 == value.size()) {
            out += ch;
            continue;
        }
        const char escaped = value[++pos];
        if (escaped == 'x') {
            unsigned long code = 0;
            while (pos + 1 < value.size() && IsHexDigit(value[pos + 1])) {
                code = code * 16 + std::strtoul(std::string(1, value[++pos]).c_str(), nullptr, 16);
                if (code > 0xFFFF) code = 0xFFFD;
            }
            AppendUtf8(out, static_cast<char32_t>(code));
        } else {
            out += EscapedChar(escaped);
        }
    }
    return out;
}

std::optional<std::string> ReadProfileDirectory(const std::string& strProfilePath) {
    const std::optional<CFileBytes> content = ReadWholeFile(strProfilePath);
    if (!content) return std::nullopt;
    bool bInSettings = false;
    for (std::string_view line : SplitTextLines(content->View())) {
        line = Trim(line);
        if (!line.empty() && line.front() == '[') {
            bInSettings = line == "[Settings]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!bInSettings || equals == std::string_view::npos) continue;
        if (Trim(line.substr(0, equals)) == "Directory") return UnescapeIniValue(Trim(line.substr(equals + 1)));
    }
    return std::nullopt;
}

}  // namespace sorvanta
