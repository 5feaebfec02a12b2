#include "cli/profile.h"

#include "profile/profilefile.h"
#include "profile/settingsvalues.h"

namespace sorvanta {

std::string ProfilePath() {
    return ProfilePathOf("sorvanta");
}

std::string ReadProfileDirectory(const std::string& strProfilePath) {
    return LoadSettingsValues(ReadProfileFile(strProfilePath).m_profile).m_strDirectory;
}

}  // namespace sorvanta
