#include "cli/profile.h"

namespace sorvanta {

std::optional<std::string> ReadSettingsDirectory() {
    return ReadProfileDirectory(ProfilePath());
}

}  // namespace sorvanta
