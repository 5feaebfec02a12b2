// One value of the profile file in the form it is written there: the INI
// quoting and escapes of the profiles earlier versions wrote are read, and
// the same rules are written, so those files and hand-written ones both load.
#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

// Undoes the quoting and escapes of one value ("...", \\, \", \t, \xHHHH, a
// leading "@@"). Every other byte stays as it is: commas, semicolons and
// bytes that are not UTF-8 are part of the value.
std::string UnescapeIniValue(std::string_view written);

// The written form of a value, read back by UnescapeIniValue as the same
// bytes: quoted when it holds "," ";" "=" or starts or ends with a blank,
// with quotes, backslashes and control bytes escaped and a leading "@" doubled.
std::string EscapeIniValue(std::string_view value);

}  // namespace sorvanta
