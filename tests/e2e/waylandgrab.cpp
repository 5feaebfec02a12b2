// Saves a picture of KWin's screen; the file's ending picks the format
// (.png to look at, .ppm for a test to read):   wayland_grab FILE
// Needs KWin started with KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1.
#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QImage>
#include <QVariantMap>

namespace {
constexpr int kWaitMs = 50;
constexpr int kMaxWaits = 200;  // ten seconds
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    int fds[2];
    if (pipe(fds) != 0) return 1;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.KWin"), QStringLiteral("/org/kde/KWin/ScreenShot2"),
        QStringLiteral("org.kde.KWin.ScreenShot2"), QStringLiteral("CaptureActiveScreen"));
    call << QVariantMap() << QVariant::fromValue(QDBusUnixFileDescriptor(fds[1]));
    // The call keeps a copy of the pipe's writing end, so the pipe never ends:
    // read until the answer has come and the picture it announces is complete.
    QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(call);
    close(fds[1]);
    QByteArray data;
    qsizetype needed = -1;
    for (int waited = 0; needed < 0 || data.size() < needed; ++waited) {
        if (waited > kMaxWaits) return 1;
        pollfd readable{fds[0], POLLIN, 0};
        if (poll(&readable, 1, kWaitMs) > 0) {
            char buffer[65536];
            const ssize_t count = read(fds[0], buffer, sizeof buffer);
            if (count > 0) data.append(buffer, count);
        }
        QCoreApplication::processEvents();
        if (needed < 0 && pending.isFinished()) {
            const QDBusReply<QVariantMap> reply(pending);
            if (!reply.isValid()) {
                qWarning("%s", qPrintable(reply.error().message()));
                return 1;
            }
            needed = reply.value().value(QStringLiteral("stride")).toLongLong() *
                     reply.value().value(QStringLiteral("height")).toLongLong();
        }
    }
    const QVariantMap result = QDBusReply<QVariantMap>(pending).value();
    const int width = result.value(QStringLiteral("width")).toInt();
    const int height = result.value(QStringLiteral("height")).toInt();
    const qsizetype stride = result.value(QStringLiteral("stride")).toLongLong();
    const auto format = static_cast<QImage::Format>(result.value(QStringLiteral("format")).toInt());
    const QImage image(reinterpret_cast<const uchar*>(data.constData()), width, height, stride, format);
    return image.convertToFormat(QImage::Format_RGB888).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
