#include "text/filesystem.h"

namespace sorvanta {

std::string JoinPath(std::string_view strFolder, std::string_view name) {
    std::string strPath;
    strPath.reserve(strFolder.size() + 1 + name.size());
    strPath.append(strFolder).append(1, kPathSeparator).append(name);
    return strPath;
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace sorvanta
