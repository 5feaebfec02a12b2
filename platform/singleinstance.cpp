#include "platform/singleinstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

#include "platform/log.h"

namespace sorvanta {

namespace {

constexpr const char* kRestoreRequest = "restore\n";
constexpr int kWaitMs = 1000;

QString RuntimeFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

QString CSingleInstance::DefaultKey() {
    QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY"));
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("sorvanta-%1-%2").arg(::getuid()).arg(display);
}

CSingleInstance::CSingleInstance(const QString& strKey)
    : m_strSocket(RuntimeFolder() + QLatin1Char('/') + strKey + QStringLiteral(".socket")),
      m_lock(RuntimeFolder() + QLatin1Char('/') + strKey + QStringLiteral(".lock")) {
    m_lock.setStaleLockTime(0);  // a live holder keeps its lock however long it runs
}

bool CSingleInstance::Acquire() {
    if (m_lock.tryLock(kWaitMs)) {
        QLocalServer::removeServer(m_strSocket);  // left by a program that died
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server.listen(m_strSocket)) {
            qCWarning(lcSorvanta) << "a second start cannot reach this program:" << m_server.errorString();
        }
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* pClient = m_server.nextPendingConnection()) {
                connect(pClient, &QLocalSocket::readyRead, this, [this, pClient] {
                    if (pClient->readAll().contains('\n')) emit RestoreRequested();
                    pClient->disconnectFromServer();
                });
                connect(pClient, &QLocalSocket::disconnected, pClient, &QObject::deleteLater);
            }
        });
        return true;
    }
    QLocalSocket socket;
    socket.connectToServer(m_strSocket);
    if (socket.waitForConnected(kWaitMs)) {
        socket.write(kRestoreRequest);
        socket.waitForBytesWritten(kWaitMs);
        socket.waitForDisconnected(kWaitMs);
    }
    return false;
}

}  // namespace sorvanta
