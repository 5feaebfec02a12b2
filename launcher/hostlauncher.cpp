#include "launcher/hostlauncher.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <optional>

extern char** environ;

namespace sorvanta {

namespace {

// Programs started and not yet reaped. Only the user-interface thread
// launches and reaps.
std::vector<pid_t>& RunningChildren() {
    static std::vector<pid_t> children;
    return children;
}

bool IsRegularFile(const std::string& strPath) {
    struct stat info {};
    return ::stat(strPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsWindowsProgram(const std::string& strPath) {
    std::ifstream file(strPath, std::ios::binary);
    char header[2] = {};
    return file.read(header, 2) && header[0] == 'M' && header[1] == 'Z';
}

std::optional<std::string> FindInDirectories(const std::string& strName, const std::vector<std::string>& arrDirs) {
    for (const std::string& strDir : arrDirs) {
        const std::string strCandidate = strDir + "/" + strName;
        if (IsRegularFile(strCandidate)) return strCandidate;
    }
    return std::nullopt;
}

CLaunchOutcome OutcomeOfSpawnError(int nError) {
    switch (nError) {
        case ENOMEM:
        case EAGAIN: return CLaunchOutcome::OutOfMemory;
        case ENOENT:
        case ENOTDIR: return CLaunchOutcome::PathNotFound;
        case ENOEXEC:
        case EACCES: return CLaunchOutcome::BadFormat;
        default: return CLaunchOutcome::OtherFailure;
    }
}

CLaunchOutcome Spawn(const std::vector<std::string>& arrArgs) {
    std::vector<char*> argv;
    for (const std::string& strArg : arrArgs) argv.push_back(const_cast<char*>(strArg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int nError = posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (nError != 0) return OutcomeOfSpawnError(nError);
    RunningChildren().push_back(pid);
    return CLaunchOutcome::Started;
}

}  // namespace

std::vector<std::string> SplitSearchPath(const std::string& strPath) {
    std::vector<std::string> arrDirs;
    std::size_t begin = 0;
    while (begin <= strPath.size()) {
        std::size_t end = strPath.find(':', begin);
        if (end == std::string::npos) end = strPath.size();
        const std::string strDir = strPath.substr(begin, end - begin);
        if (!strDir.empty() && strDir.front() == '/') arrDirs.push_back(strDir);
        begin = end + 1;
    }
    return arrDirs;
}

CLaunchOutcome LaunchProgram(const std::string& strName, const CLaunchSearch& search) {
    std::vector<std::string> arrDirs;
    if (!search.m_strOwnDirectory.empty()) arrDirs.push_back(search.m_strOwnDirectory);
    arrDirs.insert(arrDirs.end(), search.m_arrPath.begin(), search.m_arrPath.end());
    const std::optional<std::string> strProgram = FindInDirectories(strName, arrDirs);
    if (!strProgram) return CLaunchOutcome::FileNotFound;

    ReapFinishedChildren();
    if (IsWindowsProgram(*strProgram)) {
        const std::optional<std::string> strWine = FindInDirectories("wine", search.m_arrPath);
        if (!strWine) return CLaunchOutcome::BadFormat;
        return Spawn({*strWine, *strProgram});
    }
    if (::access(strProgram->c_str(), X_OK) != 0) return CLaunchOutcome::BadFormat;
    return Spawn({*strProgram});
}

int ReapFinishedChildren() {
    std::vector<pid_t>& children = RunningChildren();
    std::erase_if(children, [](pid_t pid) {
        int nStatus = 0;
        return ::waitpid(pid, &nStatus, WNOHANG) != 0;  // ended, or not ours any more
    });
    return static_cast<int>(children.size());
}

}  // namespace sorvanta
