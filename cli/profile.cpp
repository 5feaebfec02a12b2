#include "cli/profile.h"

#include "profile/profilefile.h"

namespace sorvanta {

std::string ProfilePath() {
    return ProfilePathOf("sorvanta");
}

std::string ReadProfileDirectory(const std::string& strProfilePath) {
    const CProfileFile file = ReadProfileFile(strProfilePath);
    const CProfileGroup* pGroup = file.m_profile.FindGroup("Settings");
    return pGroup != nullptr ? pGroup->Value("Directory").value_or(std::string()) : std::string();
}

}  // namespace sorvanta
