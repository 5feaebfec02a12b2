// The desktop program's profile: the five settings and the other groups that
// share the file, ~/.config/Sorvanta/<application name>.conf.
#pragma once

#include <functional>
#include <string>

#include "profile/profile.h"
#include "profile/settingsvalues.h"

namespace sorvanta {

// The profile of the running program: its application name (the
// executable's base name) names the file; $XDG_CONFIG_HOME is respected.
std::string SettingsProfilePath();

// The profile as it stands, once what writes cut off by a kill left beside
// it is removed. A file that cannot be parsed is first kept aside (renamed,
// see KeepProfileAside); that, and a profile that cannot be read, are logged
// and give an empty profile, that is the defaults.
CProfile LoadProfile(const std::string& strPath);

// Reads the profile again, lets `change` set its values and writes every
// group, known or not, in one atomic replacement of the file. False, logged,
// when it was not written; the old file then stays as it was. A file that
// cannot be parsed is kept aside first; one that cannot be read, or is no
// regular file, is never replaced.
bool UpdateProfile(const std::string& strPath, const std::function<void(CProfile&)>& change);

}  // namespace sorvanta
