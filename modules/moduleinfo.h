// What a module's configuration file says about its text beyond the markers.
#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

inline constexpr std::string_view kStrongNumbersKey = "StrongNumbers =";
inline constexpr std::string_view kBibleShortNameKey = "BibleShortName =";

struct CModuleInfo {
    bool m_bStrongNumbers = false;  // "StrongNumbers = Y": numbers follow many words
    std::string m_strShortName;     // "BibleShortName =", or else the first "BibleName =" ("" without either)
};

// Reads the keys by the key-line rule, the last counting line winning; a
// value that begins with "Y" or "y" sets the Strong's flag. A file that
// cannot be read gives the defaults.
CModuleInfo ReadModuleInfo(const std::string& strIniPath);

}  // namespace sorvanta
