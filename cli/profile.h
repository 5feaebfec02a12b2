// Reading the module root that the program's settings name.
#pragma once

#include <optional>
#include <string>

namespace sorvanta {

// The profile file of the desktop program: $XDG_CONFIG_HOME (or ~/.config)
// + "/Sorvanta/sorvanta.conf".
std::string ProfilePath();

// The value of key Directory in group [Settings] of an INI profile as the
// desktop program writes it, or nothing when the file or the key is absent.
std::optional<std::string> ReadProfileDirectory(const std::string& strProfilePath);

// Undoes the quoting and escapes of one INI value ("...", \\, \", \t, \xHHHH,
// a leading "@@").
std::string UnescapeIniValue(std::string_view value);

}  // namespace sorvanta
