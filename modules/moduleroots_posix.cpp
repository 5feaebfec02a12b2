// The places a first start searches on POSIX systems: the Wine prefixes, the
// home folder and the XDG data folders of the process's environment.
#include <cstdlib>

#include "modules/moduleroots.h"

namespace sorvanta {

namespace {

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

CSearchEnvironment CSearchEnvironment::FromProcess() {
    return {EnvironmentValue("HOME"), EnvironmentValue("WINEPREFIX"), EnvironmentValue("XDG_DATA_HOME"),
            EnvironmentValue("XDG_DATA_DIRS")};
}

std::string FindDefaultModuleRoot() {
    return FindModuleRoot(ModuleRootSearchPlaces(CSearchEnvironment::FromProcess()));
}

}  // namespace sorvanta
