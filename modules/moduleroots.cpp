#include "modules/moduleroots.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <utility>

#include "modules/catalogue.h"

namespace sorvanta {

namespace {

struct CDirCloser {
    void operator()(DIR* pDir) const { ::closedir(pDir); }
};

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether a name is "orvanel.ini" in any letter case. Only an ASCII name
// upper-cases to "ORVANEL.INI" in code page 1251, so ASCII letters compared
// without case find what FindFileNoCase finds.
bool IsModuleIniName(std::string_view name) {
    constexpr std::string_view kName = kModuleIniName;
    return name.size() == kName.size() && std::equal(name.begin(), name.end(), kName.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
           });
}

// The sub-folders of ~/.local/share/wineprefixes, in byte order.
std::vector<std::string> WinePrefixes(const std::string& strFolder) {
    std::vector<std::string> arrNames;
    const std::unique_ptr<DIR, CDirCloser> pDir(::opendir(strFolder.c_str()));
    while (const dirent* pEntry = pDir ? ::readdir(pDir.get()) : nullptr) {
        const std::string_view name(pEntry->d_name);
        if (name != "." && name != "..") arrNames.emplace_back(name);
    }
    std::sort(arrNames.begin(), arrNames.end());
    for (std::string& strName : arrNames) strName = strFolder + "/" + strName;
    return arrNames;
}

class CRootSearch {
public:
    explicit CRootSearch(std::chrono::steady_clock::time_point deadline) : m_deadline(deadline) {}

    void SearchPlace(const std::string& strPlace) {
        struct stat info {};
        if (::stat(strPlace.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || !FirstVisit(info)) return;
        std::deque<CFolder> queue{{strPlace, std::string(), 0}};
        while (!queue.empty() && std::chrono::steady_clock::now() < m_deadline) {
            const CFolder folder = std::move(queue.front());
            queue.pop_front();
            ListFolder(folder, queue);
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

    bool FirstVisit(const struct stat& info) { return m_setVisited.insert({info.st_dev, info.st_ino}).second; }

    // Counts the folder as a module of its parent when it holds an
    // "orvanel.ini"; otherwise queues its real, unhidden sub-folders.
    void ListFolder(const CFolder& folder, std::deque<CFolder>& queue) {
        const std::unique_ptr<DIR, CDirCloser> pDir(::opendir(folder.m_strPath.c_str()));
        if (!pDir) return;
        std::vector<std::string> arrNames;
        while (const dirent* pEntry = ::readdir(pDir.get())) {
            const std::string_view name(pEntry->d_name);
            if (IsModuleIniName(name)) {
                if (!folder.m_strParent.empty()) AddModule(folder.m_strParent);
                return;
            }
            const bool bMaybeFolder = pEntry->d_type == DT_DIR || pEntry->d_type == DT_UNKNOWN;
            if (bMaybeFolder && name.front() != '.' && folder.m_nDepth < kRootSearchDepth) arrNames.emplace_back(name);
        }
        std::sort(arrNames.begin(), arrNames.end());
        for (const std::string& strName : arrNames) {
            struct stat info {};
            if (::fstatat(::dirfd(pDir.get()), strName.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
            if (!S_ISDIR(info.st_mode) || !FirstVisit(info)) continue;
            queue.push_back({folder.m_strPath + "/" + strName, folder.m_strPath, folder.m_nDepth + 1});
        }
    }

    void AddModule(const std::string& strRoot) {
        if (m_mapModules[strRoot]++ == 0) m_arrRootsInOrder.push_back(strRoot);
    }

    std::chrono::steady_clock::time_point m_deadline;
    std::set<std::pair<dev_t, ino_t>> m_setVisited;
    std::map<std::string, int> m_mapModules;
    std::vector<std::string> m_arrRootsInOrder;
};

}  // namespace

CSearchEnvironment CSearchEnvironment::FromProcess() {
    return {EnvironmentValue("HOME"), EnvironmentValue("WINEPREFIX"), EnvironmentValue("XDG_DATA_HOME"),
            EnvironmentValue("XDG_DATA_DIRS")};
}

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

std::string FindDefaultModuleRoot() {
    return FindModuleRoot(ModuleRootSearchPlaces(CSearchEnvironment::FromProcess()));
}

}  // namespace sorvanta
