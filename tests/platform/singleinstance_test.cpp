// One program per user and display: a later start asks the first to show
// its window or to do what a hot key does, and a lock left by a program that
// died is taken over.
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include "platform/hotkeys.h"
#include "platform/singleinstance.h"
#include "support/qtestrunner.h"

using namespace sorvanta;

namespace {

constexpr char kSecondStart[] = "--second-start";

// Runs a later start in a process of its own, as in real use, while this
// one serves its request; its exit code.
int RunLaterStart(const QString& key, const QString& request) {
    QProcess later;
    later.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kSecondStart), key, request});
    if (!QTest::qWaitFor([&later] { return later.state() == QProcess::NotRunning; }, 30000)) return -1;
    return later.exitCode();
}

QString UniqueKey() {
    return QStringLiteral("sorvanta-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate());
}

}  // namespace

class CSingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void LaterStartsAskTheFirst() {
        const QString key = UniqueKey();
        CSingleInstance first(key);
        QVERIFY(first.Acquire());
        QSignalSpy restores(&first, &CSingleInstance::RestoreRequested);
        QSignalSpy hotKeys(&first, &CSingleInstance::HotKeyRequested);
        QCOMPARE(RunLaterStart(key, QStringLiteral("show")), 1);  // it did not become the running one
        QCOMPARE(RunLaterStart(key, QStringLiteral("restore")), 1);
        QCOMPARE(RunLaterStart(key, QStringLiteral("launch")), 0);  // the request was taken
        QCOMPARE(restores.count(), 1);
        QCOMPARE(hotKeys.count(), 2);
        QCOMPARE(hotKeys.at(0).at(0).toInt(), kHotkeyRestore);
        QCOMPARE(hotKeys.at(1).at(0).toInt(), kHotkeyLaunch);
        QCOMPARE(RunLaterStart(UniqueKey(), QStringLiteral("launch")), 1);  // none runs to take it
    }

    void ALockLeftByADeadProgramIsTakenOver() {
        const QString key = UniqueKey();
        // A lock file as a program writes it, naming a process that has ended.
        QProcess ended;
        ended.start(QStringLiteral("true"), {});
        QVERIFY(ended.waitForFinished());
        const qint64 deadPid = ended.processId();
        const QString lockPath =
            QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/" + key + ".lock";
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid == 0 ? 999999 : deadPid) + "\nsingleinstance_test\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        CSingleInstance instance(key);
        QVERIFY(instance.Acquire());
    }
};

namespace {

// The later start RunLaterStart runs: KEY REQUEST.
int LaterStart(int argc, char** argv) {
    if (argc != 3) return 2;
    CSingleInstance later(QString::fromLocal8Bit(argv[1]));
    const QString request = QString::fromLocal8Bit(argv[2]);
    if (request == QLatin1String("launch")) return later.Send(CInstanceRequest::HotKeyLaunch) ? 0 : 1;
    const bool bRestore = request == QLatin1String("restore");
    return later.Acquire(bRestore ? CInstanceRequest::HotKeyRestore : CInstanceRequest::Show) ? 0 : 1;
}

const bool g_bLaterStartRegistered = sorvanta::test::RegisterQTest(kSecondStart, LaterStart);

}  // namespace

SORVANTA_QTEST(CSingleInstanceTest)
#include "singleinstance_test.moc"
