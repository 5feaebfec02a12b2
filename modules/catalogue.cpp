#include "modules/catalogue.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "modules/keyline.h"
#include "modules/moduleencoding.h"
#include "modules/modulemessages.h"
#include "text/filenames.h"
#include "text/filereading.h"

namespace sorvanta {

namespace {

std::vector<std::string> SortedEntryNames(const std::string& strDirectory) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    const fs::path root = strDirectory.empty() ? fs::path("/") : fs::path(strDirectory);
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool IsDirectory(const std::string& strPath) {
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(strPath), error);
}

}  // namespace

ModuleCatalogue ScanModules(const std::string& strDirectory) {
    ModuleCatalogue catalogue;
    for (const std::string& strEntry : SortedEntryNames(strDirectory)) {
        const std::string strEntryPath = strDirectory + "/" + strEntry;
        if (!IsDirectory(strEntryPath)) continue;

        const std::string strIniPath = strEntryPath + "/" + kModuleIniName;
        const std::string strFoundPath = FindFileNoCase(strIniPath);
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::path(strFoundPath), error)) continue;

        const std::optional<CFileBytes> content = ReadWholeFile(strFoundPath);
        if (!content) {
            catalogue.m_arrMessages.push_back(CannotOpenFileMessage(strIniPath));
            continue;
        }
        const TextEncoding encoding = DetectModuleEncoding(content->View());
        for (std::string_view line : SplitTextLines(content->View())) {
            if (const auto name = KeyLineValue(line, kBibleNameKey)) {
                catalogue.m_arrNames.emplace_back(*name);
                catalogue.m_arrModuleIni.push_back(strIniPath);
                catalogue.m_arrEncodings.push_back(encoding);
            }
        }
    }
    if (catalogue.m_arrModuleIni.empty()) catalogue.m_arrMessages.push_back(NoModulesMessage(strDirectory));
    return catalogue;
}

}  // namespace sorvanta
