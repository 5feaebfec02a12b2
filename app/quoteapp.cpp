#include "app/quoteapp.h"

#include <QFileInfo>
#include <cstdio>

#include "app/commandline.h"
#include "app/quotedlg.h"
#include "platform/singleinstance.h"
#include "platform/terminationwatcher.h"
#include "ui/messagebox.h"

namespace sorvanta {

CQuoteApp::CQuoteApp(int& argc, char** argv) : m_app(argc, argv) {
    // The application's name is the executable's base name; it titles every
    // message box and names the profile (~/.config/Sorvanta/<name>.conf).
    QApplication::setApplicationName(QFileInfo(QApplication::applicationFilePath()).completeBaseName());
    QApplication::setQuitOnLastWindowClosed(false);
}

bool CQuoteApp::InitInstance() {
    QApplication::setOrganizationName(QStringLiteral("Sorvanta"));
    const QStringList arrArgs = QCoreApplication::arguments().mid(1);
    const std::optional<CInstanceRequest> request = ParseCommandLine(arrArgs);
    if (!request) {
        std::fprintf(stderr, "sorvanta: not understood: %s\n\n%s", qPrintable(arrArgs.join(QLatin1Char(' '))),
                     kProgramUsage);
        m_nExitCode = kExitUsage;
        return false;
    }
    // A later start asks the running program instead of opening another;
    // only starting the host needs one that runs.
    CSingleInstance instance;
    if (*request == CInstanceRequest::HotKeyLaunch) {
        if (!instance.Send(*request)) {
            std::fputs("sorvanta: no Sorvanta runs on this display to start Orvanel\n", stderr);
            m_nExitCode = kExitNotRunning;
        }
        return false;
    }
    if (!instance.Acquire(*request)) return false;
    CQuoteDlg dlg;
    QObject::connect(&instance, &CSingleInstance::RestoreRequested, &dlg, &CQuoteDlg::BringToFront);
    QObject::connect(&instance, &CSingleInstance::HotKeyRequested, &dlg, &CQuoteDlg::OnHotKey);
    // A request of the session to end (SIGTERM, SIGHUP, logout) is a close request:
    // the window closes the normal way and the settings are saved.
    // A message box open at that moment closes, and none opens after it.
    CTerminationWatcher watcher;
    QObject::connect(&watcher, &CTerminationWatcher::TerminationRequested, &dlg, [&dlg] {
        EndMessageBoxes();
        dlg.reject();
    });
    QObject::connect(&m_app, &QGuiApplication::commitDataRequest, &dlg, [&dlg] { dlg.m_session.SaveSettings(); });
    // The window's run lasts until it is closed, not merely hidden (QDialog's
    // own exec ends as soon as the window hides in the tray).
    // It can also end before the run starts, during the start-up messages.
    bool bEnded = false;
    QObject::connect(&dlg, &QDialog::finished, &m_app, [&bEnded] {
        bEnded = true;
        QCoreApplication::quit();
    });
    dlg.show();
    if (!bEnded) QApplication::exec();
    dlg.OnDestroy();  // the window is destroyed however its run ended
    return false;
}

}  // namespace sorvanta
