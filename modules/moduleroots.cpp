#include "modules/moduleroots.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <set>
#include <string_view>
#include <utility>

#include "modules/catalogue.h"
#include "text/filesystem.h"

namespace sorvanta {

namespace {

// Whether a name is "orvanel.ini" in any letter case. Only an ASCII name
// upper-cases to "ORVANEL.INI" in code page 1251, so ASCII letters compared
// without case find what FindFileNoCase finds.
bool IsModuleIniName(std::string_view name) {
    constexpr std::string_view kName = kModuleIniName;
    return name.size() == kName.size() && std::equal(name.begin(), name.end(), kName.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
           });
}

// Whether a name is the host's folder's, whatever its letter case.
bool IsHostFolderName(std::string_view name) {
    constexpr std::string_view kName = kHostFolderName;
    return name.size() == kName.size() && std::equal(name.begin(), name.end(), kName.begin(), [](char a, char b) {
               return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == (b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
           });
}

// The sub-folders of ~/.local/share/wineprefixes, in byte order.
std::vector<std::string> WinePrefixes(const std::string& strFolder) {
    std::vector<std::string> arrNames;
    for (CFolderEntry& entry : ListFolder(strFolder).value_or(std::vector<CFolderEntry>())) {
        arrNames.push_back(std::move(entry.m_strName));
    }
    std::sort(arrNames.begin(), arrNames.end());
    for (std::string& strName : arrNames) strName = strFolder + "/" + strName;
    return arrNames;
}

class CRootSearch {
public:
    explicit CRootSearch(std::chrono::steady_clock::time_point deadline) : m_deadline(deadline) {}

    void SearchPlace(const std::string& strPlace) {
        if (KindOfPath(strPlace) != PathKind::Folder || !FirstVisit(strPlace)) return;
        std::deque<CFolder> queue{{strPlace, std::string(), 0}};
        while (!queue.empty() && std::chrono::steady_clock::now() < m_deadline) {
            const CFolder folder = std::move(queue.front());
            queue.pop_front();
            SearchFolder(folder, queue);
        }
    }

    std::string BestRoot() const {
        std::string strBest;
        int nBest = 0;
        for (const std::string& strRoot : m_arrRootsInOrder) {
            const int nModules = m_mapModules.at(strRoot);
            if (nModules > nBest) {
                strBest = strRoot;
                nBest = nModules;
            }
        }
        return strBest;
    }

private:
    struct CFolder {
        std::string m_strPath;
        std::string m_strParent;  // "" for a place itself
        int m_nDepth;
    };

    bool FirstVisit(const std::string& strFolder) {
        const std::optional<CFileIdentity> identity = IdentityOfPath(strFolder);
        return identity && m_setVisited.insert(*identity).second;
    }

    // Counts the folder as a module of its parent when it holds an
    // "orvanel.ini"; otherwise queues its real, unhidden sub-folders.
    void SearchFolder(const CFolder& folder, std::deque<CFolder>& queue) {
        const std::optional<std::vector<CFolderEntry>> arrEntries = ListFolder(folder.m_strPath);
        if (!arrEntries) return;
        std::vector<std::string> arrNames;
        for (const CFolderEntry& entry : *arrEntries) {
            const std::string& strName = entry.m_strName;
            if (IsModuleIniName(strName)) {
                if (!folder.m_strParent.empty()) AddModule(folder.m_strParent);
                return;
            }
            const bool bFolder = entry.m_kind == PathKind::Folder;
            if (bFolder && strName.front() != '.' && folder.m_nDepth < kRootSearchDepth) arrNames.push_back(strName);
        }
        std::sort(arrNames.begin(), arrNames.end());
        for (const std::string& strName : arrNames) {
            const std::string strPath = JoinPath(folder.m_strPath, strName);
            if (FirstVisit(strPath)) queue.push_back({strPath, folder.m_strPath, folder.m_nDepth + 1});
        }
    }

    void AddModule(const std::string& strRoot) {
        if (m_mapModules[strRoot]++ == 0) m_arrRootsInOrder.push_back(strRoot);
    }

    std::chrono::steady_clock::time_point m_deadline;
    std::set<CFileIdentity> m_setVisited;
    std::map<std::string, int> m_mapModules;
    std::vector<std::string> m_arrRootsInOrder;
};

}  // namespace

std::vector<std::string> ModuleRootSearchPlaces(const CSearchEnvironment& environment) {
    std::vector<std::string> arrPlaces;
    const std::string& strHome = environment.m_strHome;
    if (!environment.m_strWinePrefix.empty()) arrPlaces.push_back(environment.m_strWinePrefix + "/drive_c");
    if (!strHome.empty()) {
        arrPlaces.push_back(strHome + "/.wine/drive_c");
        for (const std::string& strPrefix : WinePrefixes(strHome + "/.local/share/wineprefixes")) {
            arrPlaces.push_back(strPrefix + "/drive_c");
        }
        arrPlaces.push_back(strHome);
    }
    if (!environment.m_strDataHome.empty()) {
        arrPlaces.push_back(environment.m_strDataHome);
    } else if (!strHome.empty()) {
        arrPlaces.push_back(strHome + "/.local/share");
    }
    const std::string strDataDirs =
        environment.m_strDataDirs.empty() ? std::string("/usr/local/share:/usr/share") : environment.m_strDataDirs;
    for (std::size_t start = 0; start <= strDataDirs.size();) {
        std::size_t end = strDataDirs.find(':', start);
        if (end == std::string::npos) end = strDataDirs.size();
        if (end > start) arrPlaces.push_back(strDataDirs.substr(start, end - start));
        start = end + 1;
    }
    return arrPlaces;
}

std::string FindModuleRoot(const std::vector<std::string>& arrPlaces, std::chrono::steady_clock::duration budget) {
    CRootSearch search(std::chrono::steady_clock::now() + budget);
    for (const std::string& strPlace : arrPlaces) search.SearchPlace(strPlace);
    return search.BestRoot();
}

std::vector<std::string> WindowsModuleRootSearchPlaces(const std::string& strProgramFolder,
                                                       const std::vector<std::string>& arrKnownFolders) {
    std::vector<std::string> arrPlaces;
    // The nearest folder named as the host's, the program's own or one above it.
    for (std::size_t end = strProgramFolder.size(); end > 0;) {
        const std::size_t separator = strProgramFolder.find_last_of("\\/", end - 1);
        const std::size_t start = separator == std::string::npos ? 0 : separator + 1;
        if (IsHostFolderName(std::string_view(strProgramFolder).substr(start, end - start))) {
            arrPlaces.push_back(strProgramFolder.substr(0, end));
            break;
        }
        if (separator == std::string::npos) break;
        end = separator;
    }
    for (const std::string& strFolder : arrKnownFolders) {
        if (!strFolder.empty()) arrPlaces.push_back(strFolder + "\\" + std::string(kHostFolderName));
    }
    return arrPlaces;
}

}  // namespace sorvanta
