#include "settings/settingsstore.h"

#include <QCoreApplication>

#include "platform/log.h"
#include "profile/atomicfile.h"
#include "profile/profilefile.h"
#include "ui/qtext.h"

namespace sorvanta {

namespace {

// The profile to start from, or nothing when the file must not be replaced.
std::optional<CProfile> ReadForUse(const std::string& strPath) {
    CProfileFile file = ReadProfileFile(strPath);
    const QString path = PathToQString(strPath);
    switch (file.m_state) {
        case ProfileFileState::Read:
        case ProfileFileState::Missing: return std::move(file.m_profile);
        case ProfileFileState::NotRegular:
            qCWarning(lcSorvanta) << "the profile" << path << "is not a regular file; it is neither read nor written";
            return std::nullopt;
        case ProfileFileState::Unreadable:
            qCWarning(lcSorvanta) << "the profile" << path << "cannot be read; it is not written either";
            return std::nullopt;
        case ProfileFileState::Broken: break;
    }
    const std::string strAside = KeepProfileAside(strPath);
    if (strAside.empty()) {
        qCWarning(lcSorvanta) << "the profile" << path << "cannot be parsed, nor kept aside; it is not written";
        return std::nullopt;
    }
    qCWarning(lcSorvanta) << "the profile" << path << "cannot be parsed; it is kept as" << PathToQString(strAside);
    return CProfile();
}

}  // namespace

std::string SettingsProfilePath() {
    return ProfilePathOf(PathFromQString(QCoreApplication::applicationName()));
}

CProfile LoadProfile(const std::string& strPath) {
    RemoveUnfinishedWrites(strPath);
    return ReadForUse(strPath).value_or(CProfile());
}

bool UpdateProfile(const std::string& strPath, const std::function<void(CProfile&)>& change) {
    std::optional<CProfile> profile = ReadForUse(strPath);
    if (!profile) return false;
    change(*profile);
    const CFileWrite write = WriteProfileFile(strPath, *profile);
    if (!write.m_bWritten) {
        qCWarning(lcSorvanta) << "the settings could not be written to" << PathToQString(strPath) << "-"
                              << QString::fromStdString(write.m_strFailure);
    }
    return write.m_bWritten;
}

}  // namespace sorvanta
