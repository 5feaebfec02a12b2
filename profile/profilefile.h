// The profile file on disk: where it lives, reading it without being held by
// whatever stands at its name, and keeping aside one that cannot be parsed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "profile/atomicfile.h"
#include "profile/profile.h"

namespace sorvanta {

// The profile of a program of that name: $XDG_CONFIG_HOME (or ~/.config)
// + "/Sorvanta/" + name + ".conf".
std::string ProfilePathOf(std::string_view application);

// A profile is a few kilobytes; a larger file is not one, and the program
// never writes one.
inline constexpr std::size_t kMaxProfileSize = 1024 * 1024;

enum class ProfileFileState {
    Read,
    Missing,
    NotRegular,  // a folder, a pipe, a device: never opened for reading
    Unreadable,  // a regular file that could not be read
    Broken,      // read, but it cannot be parsed or is larger than a profile
};

struct CProfileFile {
    ProfileFileState m_state = ProfileFileState::Missing;
    CProfile m_profile;  // empty unless read
};

CProfileFile ReadProfileFile(const std::string& strPath);

// Replaces the file with the profile's text (WriteFileAtomically), unless the
// text is larger than kMaxProfileSize: such a file would not be read back,
// so the old one stays.
CFileWrite WriteProfileFile(const std::string& strPath, const CProfile& profile);

// Renames the file to "<path>.broken-<local time YYYYMMDD-HHMMSS>", with
// "-1", "-2" ... added should that name be taken. The new name, or "" when
// the file could not be renamed.
std::string KeepProfileAside(const std::string& strPath);

}  // namespace sorvanta
