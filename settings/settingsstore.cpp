#include "settings/settingsstore.h"

#include <QCoreApplication>

#include "platform/log.h"
#include "profile/profilefile.h"
#include "ui/qtext.h"

namespace sorvanta {

std::string SettingsProfilePath() {
    return ProfilePathOf(PathFromQString(QCoreApplication::applicationName()));
}

CProfileFileStore SettingsFileStore() {
    return CProfileFileStore(SettingsProfilePath(), [](const std::string& strProblem) {
        qCWarning(lcSorvanta).noquote() << PathToQString(strProblem);
    });
}

}  // namespace sorvanta
