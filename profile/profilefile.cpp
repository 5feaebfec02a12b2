#include "profile/profilefile.h"

#include <cstdlib>
#include <ctime>
#include <string>

#include "text/filereading.h"
#include "text/filesystem.h"

namespace sorvanta {

namespace {

constexpr int kMaxAsideAttempts = 100;

std::string LocalTimeStamp() {
    const std::time_t now = std::time(nullptr);
    // The standard library's own buffer: the profile is kept aside by one
    // thread, and nothing else of the program asks for the local time.
    const std::tm* pLocal = std::localtime(&now);
    char stamp[32] = "";
    if (pLocal != nullptr) std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", pLocal);
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
    switch (KindOfPath(strPath)) {
        case PathKind::File: break;
        case PathKind::Missing: return {ProfileFileState::Missing, {}};
        case PathKind::Unreadable: return {ProfileFileState::Unreadable, {}};
        default: return {ProfileFileState::NotRegular, {}};
    }
    // Read as a regular file only: what stands at the name may have changed since.
    const std::optional<CFileBytes> content = ReadWholeFile(strPath);
    if (!content) return {ProfileFileState::Unreadable, {}};
    if (content->View().size() > kMaxProfileSize) return {ProfileFileState::Broken, {}};
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
        const RenameResult result = RenameWithoutReplacing(strPath, strAside);
        if (result == RenameResult::Renamed) return strAside;
        if (result == RenameResult::Failed) break;
    }
    return {};
}

}  // namespace sorvanta
