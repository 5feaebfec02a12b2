#include "profile/profilefile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "text/filereading.h"

namespace sorvanta {

namespace {

constexpr int kMaxAsideAttempts = 100;

std::string LocalTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

}  // namespace

std::string ProfilePathOf(std::string_view application) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string strBase;
    if (configHome != nullptr && *configHome != '\0') {
        strBase = configHome;
    } else {
        const char* home = std::getenv("HOME");
        strBase = std::string(home != nullptr ? home : "") + "/.config";
    }
    return strBase + "/Sorvanta/" + std::string(application) + ".conf";
}

CProfileFile ReadProfileFile(const std::string& strPath) {
    struct stat info {};
    if (::stat(strPath.c_str(), &info) != 0) {
        return {errno == ENOENT ? ProfileFileState::Missing : ProfileFileState::Unreadable, {}};
    }
    if (!S_ISREG(info.st_mode)) return {ProfileFileState::NotRegular, {}};
    if (static_cast<std::size_t>(info.st_size) > kMaxProfileSize) return {ProfileFileState::Broken, {}};
    // Read without blocking: what stands at the name may have changed since.
    const std::optional<CFileBytes> content = ReadWholeFile(strPath);
    if (!content) return {ProfileFileState::Unreadable, {}};
    std::optional<CProfile> profile = CProfile::Parse(content->View());
    if (!profile) return {ProfileFileState::Broken, {}};
    return {ProfileFileState::Read, std::move(*profile)};
}

CFileWrite WriteProfileFile(const std::string& strPath, const CProfile& profile) {
    const std::string text = profile.Text();
    if (text.size() > kMaxProfileSize) {
        return {false, "the profile would be " + std::to_string(text.size()) + " bytes, more than the " +
                           std::to_string(kMaxProfileSize) + " a profile is read with"};
    }
    return WriteFileAtomically(strPath, text);
}

std::string KeepProfileAside(const std::string& strPath) {
    const std::string strBase = strPath + ".broken-" + LocalTimeStamp();
    for (int nAttempt = 0; nAttempt < kMaxAsideAttempts; ++nAttempt) {
        const std::string strAside = nAttempt == 0 ? strBase : strBase + '-' + std::to_string(nAttempt);
        // Never over another file kept aside before.
        if (::renameat2(AT_FDCWD, strPath.c_str(), AT_FDCWD, strAside.c_str(), RENAME_NOREPLACE) == 0) return strAside;
        if (errno != EEXIST) break;
    }
    return {};
}

}  // namespace sorvanta
