// The encodings of a module's texts: code page 1251, as the host has always
// written them, or UTF-8. Every string of a module is kept in the bytes of its
// own encoding; these are the few rules that differ between the two.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace sorvanta {

enum class TextEncoding {
    Cp1251,
    Utf8,
};

// True when the bytes are well-formed UTF-8 (see DecodeUtf8).
bool IsValidUtf8(std::string_view text);

// The text in the encoding `to`. Characters that code page 1251 lacks become
// "?", and so does invalid UTF-8, one for each byte; text converted to UTF-8 is
// always well-formed. Code page 1251 to code page 1251 leaves every byte.
std::string ConvertText(std::string_view text, TextEncoding from, TextEncoding to);

// Upper-casing in place, keeping every byte in its place: code page 1251 as
// MakeUpperInPlace does it; in UTF-8 the Latin letters a to z and the Cyrillic
// small letters that code page 1251 has (а to я, ё, ђ to џ, ґ) become their
// capitals, whose UTF-8 forms are as long.
void MakeUpperInPlace(std::span<char> bytes, TextEncoding encoding);
std::string MakeUpper(std::string_view text, TextEncoding encoding);

// The character that ends just before `pos`, as its code page 1251 byte ("?"
// for one the code page lacks or a broken sequence); `pos` must be above 0.
char Cp1251CharacterBefore(std::string_view text, std::size_t pos, TextEncoding encoding);

// The no-break space, and the byte order mark that may begin a UTF-8 file.
std::string_view NoBreakSpace(TextEncoding encoding);
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace sorvanta
