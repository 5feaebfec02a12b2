// One program per user and display: a later start asks the first to show
// its window or to do what a hot key does, and a lock left by a program that
// died, empty or garbled is taken over; a lock that cannot be had at all
// leaves the program running without it.
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
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
    // Whatever the runtime folder and the lock file there, the program runs;
    // only a usable lock makes a later start ask it to show its window or to
    // do the restore hot key instead of running too. The launch hot key is
    // asked for always; with none running, nobody takes it.
    void TheProgramRunsWhateverTheLockFinds_data() {
        QTest::addColumn<QString>("folder");   // the runtime folder, within this test's own
        QTest::addColumn<QByteArray>("lock");  // what the lock file holds before the start; null: no file
        QTest::addColumn<bool>("blocked");     // a folder stands where the lock file would be made
        QTest::addColumn<int>("laterStart");   // the exit code of a later start: 1 when it asked this one
        QTest::newRow("no lock file") << "fresh" << QByteArray() << false << 1;
        QTest::newRow("left by a program that died")
            << "dead"
            << "999999\nsorvanta\n" + QSysInfo::machineHostName().toUtf8() + "\n"
            << false << 1;
        QTest::newRow("empty") << "empty" << QByteArray("") << false << 1;
        QTest::newRow("garbage") << "garbage" << QByteArray("\x01\xff-12\n\n\n\n") << false << 1;
        QTest::newRow("long runtime path") << QString(150, QLatin1Char('r')) << QByteArray() << false << 1;
        QTest::newRow("lock cannot be made") << "blocked" << QByteArray() << true << 0;  // runs unguarded
    }
    void TheProgramRunsWhateverTheLockFinds() {
        QFETCH(QString, folder);
        QFETCH(QByteArray, lock);
        QFETCH(bool, blocked);
        QFETCH(int, laterStart);
        const QString key = UniqueKey();
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QString path = QString::fromLocal8Bit(runtime) + "/" + folder;
        QVERIFY(QDir().mkpath(path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (blocked) QVERIFY(QDir().mkpath(path + "/" + key + ".lock"));  // unusable even to root
        if (!lock.isNull()) {
            QFile file(path + "/" + key + ".lock");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(lock);
        }
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));
        const auto restore = qScopeGuard([&runtime] { qputenv("XDG_RUNTIME_DIR", runtime); });

        CSingleInstance instance(key);
        QVERIFY(instance.Acquire());
        QSignalSpy restores(&instance, &CSingleInstance::RestoreRequested);
        QSignalSpy hotKeys(&instance, &CSingleInstance::HotKeyRequested);
        QCOMPARE(RunLaterStart(key, QStringLiteral("show")), laterStart);
        QCOMPARE(RunLaterStart(key, QStringLiteral("restore")), laterStart);
        QCOMPARE(RunLaterStart(key, QStringLiteral("launch")), 0);  // the socket works, guarded or not
        QCOMPARE(restores.count(), laterStart);
        QList<int> asked;
        for (const QList<QVariant>& signal : hotKeys) asked << signal.at(0).toInt();
        QCOMPARE(asked, (laterStart ? QList<int>{kHotkeyRestore, kHotkeyLaunch} : QList<int>{kHotkeyLaunch}));
        QCOMPARE(RunLaterStart(UniqueKey(), QStringLiteral("launch")), 1);
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
