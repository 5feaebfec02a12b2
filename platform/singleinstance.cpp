#include "platform/singleinstance.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QCryptographicHash>
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

QString LockPath(const QString& strKey) {
    return RuntimeFolder() + QLatin1Char('/') + strKey + QStringLiteral(".lock");
}

// The socket's name: each lock path has its own, and it always fits in a
// socket address.
QString SocketName(const QString& strLockPath) {
    const QByteArray hash = QCryptographicHash::hash(strLockPath.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("sorvanta-") + QString::fromLatin1(hash.toHex().left(32));
}

// An abstract socket has no file permissions to keep other users out; each
// end checks who is at the other.
bool IsSameUser(qintptr fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

}  // namespace

QString CSingleInstance::DefaultKey() {
    QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY"));
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("sorvanta-%1-%2").arg(::getuid()).arg(display);
}

CSingleInstance::CSingleInstance(const QString& strKey)
    : m_strSocket(SocketName(LockPath(strKey))), m_lock(LockPath(strKey)) {
    m_server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
}

bool CSingleInstance::Acquire(CInstanceRequest request) {
    switch (m_lock.Take()) {
        case CRunLock::EResult::Taken: break;
        case CRunLock::EResult::HeldByAnother:
            if (Send(request)) return false;
            qCWarning(lcSorvanta) << "the running program does not answer; this one runs as well";
            return true;
        case CRunLock::EResult::Unusable:
            qCWarning(lcSorvanta) << "runs without the one-program lock:" << m_lock.ErrorString();
            break;
    }
    Listen();
    return true;
}

void CSingleInstance::Listen() {
    if (!m_server.listen(m_strSocket)) {
        qCWarning(lcSorvanta) << "a second start cannot reach this program:" << m_server.errorString();
    }
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* pClient = m_server.nextPendingConnection()) {
            if (!IsSameUser(pClient->socketDescriptor())) {
                delete pClient;
                continue;
            }
            connect(pClient, &QLocalSocket::disconnected, pClient, &QObject::deleteLater);
            connect(pClient, &QLocalSocket::readyRead, this, [this, pClient] {
                if (!pClient->canReadLine()) return;
                const QByteArray line = pClient->readLine().trimmed();
                pClient->disconnectFromServer();
                // The request is answered before it is carried out: what it
                // asks may open a message box, which must not run inside this
                // socket's handler (the socket can be gone when it closes).
                QMetaObject::invokeMethod(
                    this, [this, line] { OnRequest(line); }, Qt::QueuedConnection);
            });
        }
    });
}

bool CSingleInstance::Send(CInstanceRequest request) {
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(m_strSocket);
    if (!socket.waitForConnected(kWaitMs) || !IsSameUser(socket.socketDescriptor())) return false;
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
