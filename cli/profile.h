// Reading the module root that the desktop program's settings name, with the
// reader the desktop program itself uses.
#pragma once

#include <optional>
#include <string>

namespace sorvanta {

// The profile file of the desktop program: $XDG_CONFIG_HOME (or ~/.config)
// + "/Sorvanta/sorvanta.conf".
std::string ProfilePath();

// The value of key Directory in group [Settings] of the profile, or nothing
// when the file or the key is absent, the value is empty, or the file is not
// a profile (a first start, or none found then: the module root is searched
// for).
std::optional<std::string> ReadProfileDirectory(const std::string& strProfilePath);

// The module root the desktop program's settings name, or nothing (a first
// start): on Windows value Directory of the registry key
// HKEY_CURRENT_USER\Software\Sorvanta\sorvanta\Settings, a string (a value of
// another type counts as absent); elsewhere the profile file above.
std::optional<std::string> ReadSettingsDirectory();

}  // namespace sorvanta
