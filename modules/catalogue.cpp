#include "modules/catalogue.h"

#include <algorithm>

#include "modules/keyline.h"
#include "modules/moduleencoding.h"
#include "modules/modulemessages.h"
#include "text/filenames.h"
#include "text/filereading.h"
#include "text/filesystem.h"

namespace sorvanta {

namespace {

// An empty root is the root folder (of the current drive).
std::vector<std::string> SortedEntryNames(const std::string& strDirectory) {
    std::vector<std::string> names;
    const std::string strRoot = strDirectory.empty() ? std::string(1, kPathSeparator) : strDirectory;
    for (CFolderEntry& entry : ListFolder(strRoot).value_or(std::vector<CFolderEntry>())) {
        names.push_back(std::move(entry.m_strName));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

ModuleCatalogue ScanModules(const std::string& strDirectory) {
    ModuleCatalogue catalogue;
    for (const std::string& strEntry : SortedEntryNames(strDirectory)) {
        const std::string strEntryPath = JoinPath(strDirectory, strEntry);
        if (KindOfPath(strEntryPath) != PathKind::Folder) continue;

        const std::string strIniPath = JoinPath(strEntryPath, kModuleIniName);
        const std::string strFoundPath = FindFileNoCase(strIniPath);
        if (KindOfPath(strFoundPath) == PathKind::Missing) continue;

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
