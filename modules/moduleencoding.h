// Which encoding a module's files are written in.
#pragma once

#include <string_view>

#include "text/encoding.h"

namespace sorvanta {

inline constexpr std::string_view kDefaultEncodingKey = "DefaultEncoding =";

// The encoding of a module, judged from its configuration file's bytes:
// UTF-8 when the file begins with the UTF-8 byte order mark; otherwise what
// the last line counting for "DefaultEncoding =" names (the key-line rule;
// a "//" after the value begins a comment, as one before the key does):
// "utf-8" or "utf8" in any letter case is UTF-8, any other value code page
// 1251; without such a line UTF-8 when the bytes are well-formed UTF-8 with at
// least one byte above 0x7F; code page 1251 in every other case. Russian text
// in code page 1251 is never well-formed UTF-8, so such modules read as
// they always have.
TextEncoding DetectModuleEncoding(std::string_view strIniText);

}  // namespace sorvanta
