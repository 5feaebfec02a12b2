#include "platform/singleinstance.h"

#include <unistd.h>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include "platform/hotkeys.h"
#include "platform/log.h"

namespace sorvanta {

namespace {

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

bool CSingleInstance::Acquire(CInstanceRequest request) {
    if (m_lock.tryLock(kWaitMs)) {
        QLocalServer::removeServer(m_strSocket);  // left by a program that died
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server.listen(m_strSocket)) {
            qCWarning(lcSorvanta) << "a second start cannot reach this program:" << m_server.errorString();
        }
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* pClient = m_server.nextPendingConnection()) {
                connect(pClient, &QLocalSocket::readyRead, this, [this, pClient] {
                    if (!pClient->canReadLine()) return;
                    OnRequest(pClient->readLine().trimmed());
                    pClient->disconnectFromServer();
                });
                connect(pClient, &QLocalSocket::disconnected, pClient, &QObject::deleteLater);
            }
        });
        return true;
    }
    Send(request);
    return false;
}

bool CSingleInstance::Send(CInstanceRequest request) {
    QLocalSocket socket;
    socket.connectToServer(m_strSocket);
    if (!socket.waitForConnected(kWaitMs)) return false;
    // Each request is one line on the socket.
    const std::string_view line = RequestLine(request);
    socket.write(QByteArray(line.data(), static_cast<qsizetype>(line.size())) + '\n');
    const bool bSent = socket.waitForBytesWritten(kWaitMs);
    socket.waitForDisconnected(kWaitMs);  // the program closes the connection once it has read the request
    return bSent;
}

void CSingleInstance::OnRequest(const QByteArray& line) {
    const std::optional<CInstanceRequest> request = RequestOfLine(line.toStdString());
    if (!request) return;
    switch (*request) {
        case CInstanceRequest::Show: emit RestoreRequested(); break;
        case CInstanceRequest::HotKeyLaunch: emit HotKeyRequested(kHotkeyLaunch); break;
        case CInstanceRequest::HotKeyRestore: emit HotKeyRequested(kHotkeyRestore); break;
    }
}

}  // namespace sorvanta
