#include "text/filenames.h"

#include <filesystem>
#include <system_error>

#include "text/bytestring.h"
#include "text/codec.h"

namespace sorvanta {

namespace {

// The key under which two native (UTF-8) names count as the same file name.
std::string NameKey(const std::string& strName) {
    return MakeUpper(Utf8ToCp1251(strName));
}

}  // namespace

std::string FindFileNoCase(const std::string& strPath) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::exists(fs::path(strPath), error)) return strPath;

    const std::size_t slash = strPath.rfind('/');
    const std::string strParent = slash == std::string::npos ? std::string(".") : strPath.substr(0, slash + 1);
    const std::string strName = slash == std::string::npos ? strPath : strPath.substr(slash + 1);
    if (strName.empty()) return strPath;

    const std::string strWanted = NameKey(strName);
    std::string strBest;
    bool bFound = false;
    for (fs::directory_iterator it(fs::path(strParent), error), end; !error && it != end; it.increment(error)) {
        std::string strEntry = it->path().filename().string();
        if (NameKey(strEntry) == strWanted && (!bFound || strEntry < strBest)) {
            strBest = std::move(strEntry);
            bFound = true;
        }
    }
    if (!bFound) return strPath;
    return strPath.substr(0, slash == std::string::npos ? 0 : slash + 1) + strBest;
}

}  // namespace sorvanta
