#include "settings/settingsstore.h"

#include <QCoreApplication>

#include "platform/log.h"
#include "profile/profilefile.h"
#include "session/profilefilestore.h"
#include "ui/qtext.h"

namespace sorvanta {

namespace {

CProfileFileStore FileStore(const std::string& strPath) {
    return CProfileFileStore(
        strPath, [](const std::string& strProblem) { qCWarning(lcSorvanta).noquote() << PathToQString(strProblem); });
}

}  // namespace

std::string SettingsProfilePath() {
    return ProfilePathOf(PathFromQString(QCoreApplication::applicationName()));
}

CProfile LoadProfile(const std::string& strPath) {
    return FileStore(strPath).Read();
}

bool UpdateProfile(const std::string& strPath, const std::function<void(CProfile&)>& change) {
    return FileStore(strPath).Update(change);
}

}  // namespace sorvanta
