#include "modules/moduleencoding.h"

#include <algorithm>
#include <optional>

#include "modules/keyline.h"
#include "text/bytestring.h"
#include "text/filereading.h"

namespace sorvanta {

namespace {

// The value names UTF-8; a "//" after it begins a comment.
bool NamesUtf8(std::string_view value) {
    const std::string upper = MakeUpper(Trim(value.substr(0, CommentPosition(value))));
    return upper == "UTF-8" || upper == "UTF8";
}

}  // namespace

TextEncoding DetectModuleEncoding(std::string_view strIniText) {
    if (strIniText.starts_with(kUtf8ByteOrderMark)) return TextEncoding::Utf8;
    std::optional<std::string_view> named;
    CTextLines lines(strIniText);
    for (std::string_view line; lines.Next(line);) {
        if (const auto value = KeyLineValue(line, kDefaultEncodingKey)) named = value;
    }
    if (named) return NamesUtf8(*named) ? TextEncoding::Utf8 : TextEncoding::Cp1251;
    const bool bNonAscii = std::any_of(strIniText.begin(), strIniText.end(),
                                       [](char ch) { return static_cast<unsigned char>(ch) > 0x7F; });
    return bNonAscii && IsValidUtf8(strIniText) ? TextEncoding::Utf8 : TextEncoding::Cp1251;
}

}  // namespace sorvanta
