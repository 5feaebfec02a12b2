// The chapter and verse marker strings of the selected module.
#pragma once

#include <string>

namespace sorvanta {

struct ModuleMarkers {
    std::string m_strChapterSign;
    std::string m_strVerseSign;
};

// Reads the module's configuration file and updates only the markers whose
// keys it finds (the last counting line wins). A file that cannot be read
// leaves both markers as they were and gives false.
bool ReadModuleMarkers(const std::string& strIniPath, ModuleMarkers& markers);

}  // namespace sorvanta
