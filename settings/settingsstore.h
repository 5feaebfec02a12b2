// The desktop program's profile: the five settings and the other groups that
// share the file, ~/.config/Sorvanta/<application name>.conf.
#pragma once

#include <string>

#include "session/profilefilestore.h"

namespace sorvanta {

// The profile of the running program: its application name (the
// executable's base name) names the file; $XDG_CONFIG_HOME is respected.
std::string SettingsProfilePath();

// The store of that file, whose problems go to the program's log.
CProfileFileStore SettingsFileStore();

}  // namespace sorvanta
