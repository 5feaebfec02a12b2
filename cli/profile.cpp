#include "cli/profile.h"

#include "profile/profilefile.h"

namespace sorvanta {

std::string ProfilePath() {
    return ProfilePathOf("sorvanta");
}

std::optional<std::string> ReadProfileDirectory(const std::string& strProfilePath) {
    const CProfile profile = ReadProfileFile(strProfilePath).m_profile;
    const CProfileGroup* pGroup = profile.FindGroup("Settings");
    std::optional<std::string> strDirectory = pGroup != nullptr ? pGroup->Value("Directory") : std::nullopt;
    if (strDirectory && strDirectory->empty()) return std::nullopt;
    return strDirectory;
}

}  // namespace sorvanta
