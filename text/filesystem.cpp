#include "text/filesystem.h"

namespace sorvanta {

std::string JoinPath(std::string_view strFolder, std::string_view name) {
    std::string strPath;
    strPath.reserve(strFolder.size() + 1 + name.size());
    strPath.append(strFolder).append(1, kPathSeparator).append(name);
    return strPath;
}

}  // namespace sorvanta
