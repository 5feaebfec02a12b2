#include "cli/profile.h"

#include <cstdlib>

#include "profile/profile.h"
#include "text/filereading.h"

namespace sorvanta {

std::string ProfilePath() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string strBase;
    if (configHome != nullptr && *configHome != '\0') {
        strBase = configHome;
    } else {
        const char* home = std::getenv("HOME");
        strBase = std::string(home != nullptr ? home : "") + "/.config";
    }
    return strBase + "/Sorvanta/sorvanta.conf";
}

std::string ReadProfileDirectory(const std::string& strProfilePath) {
    const std::optional<CFileBytes> content = ReadWholeFile(strProfilePath);
    const std::optional<CProfile> profile = content ? CProfile::Parse(content->View()) : std::nullopt;
    const CProfileGroup* pGroup = profile ? profile->FindGroup("Settings") : nullptr;
    return pGroup != nullptr ? pGroup->Value("Directory").value_or(std::string()) : std::string();
}

}  // namespace sorvanta
