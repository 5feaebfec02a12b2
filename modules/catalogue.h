// The module catalogue: the modules found under a module root directory.
#pragma once

#include <string>
#include <vector>

#include "text/encoding.h"

namespace sorvanta {

inline constexpr const char* kModuleIniName = "orvanel.ini";

// The result of one scan. Names, paths and encodings are index for index:
// name i came from the configuration file at path i, of a module whose files
// are in encoding i. Names are the bytes written in the file, in that
// encoding; paths are native strings formed as
// root + "/" + sub-directory + "/orvanel.ini", without normalisation.
struct ModuleCatalogue {
    std::vector<std::string> m_arrNames;
    std::vector<std::string> m_arrModuleIni;
    std::vector<TextEncoding> m_arrEncodings;  // judged once per scan (DetectModuleEncoding)
    // Messages for the user (code page 1251), in the order they arose.
    std::vector<std::string> m_arrMessages;
};

// Scans every entry of the root except "." and "..", in ascending byte order
// of the names. An empty root stands for the file system's root, as the
// paths formed from it begin with the separator.
ModuleCatalogue ScanModules(const std::string& strDirectory);

}  // namespace sorvanta
