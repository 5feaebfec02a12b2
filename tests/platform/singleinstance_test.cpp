// One program per user and display: a second start asks the first to show
// its window, and a lock left by a program that died is taken over.
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include "platform/singleinstance.h"

using namespace sorvanta;

namespace {

const QString kSecondStart = QStringLiteral("--second-start");

QString UniqueKey() {
    return QStringLiteral("sorvanta-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(QRandomGenerator::global()->generate());
}

}  // namespace

class CSingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    // The second start runs in a process of its own, as in real use, while
    // this one serves the request.
    void ASecondStartAsksTheFirstToRestore() {
        const QString key = UniqueKey();
        CSingleInstance first(key);
        QVERIFY(first.Acquire());
        QSignalSpy restores(&first, &CSingleInstance::RestoreRequested);
        QProcess second;
        second.start(QCoreApplication::applicationFilePath(), {kSecondStart, key});
        QTRY_COMPARE_WITH_TIMEOUT(restores.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 30000);
        QCOMPARE(second.exitCode(), 1);  // it did not become the running one
    }

    void ALockLeftByADeadProgramIsTakenOver() {
        const QString key = UniqueKey();
        // A lock file as a program writes it, naming a process that has ended.
        QProcess ended;
        ended.start(QStringLiteral("true"), {});
        QVERIFY(ended.waitForFinished());
        const qint64 deadPid = ended.processId();
        const QString lockPath = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/" + key + ".lock";
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid == 0 ? 999999 : deadPid) + "\nsingleinstance_test\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        CSingleInstance instance(key);
        QVERIFY(instance.Acquire());
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == kSecondStart) {
        return CSingleInstance(QString::fromLocal8Bit(argv[2])).Acquire() ? 0 : 1;
    }
    CSingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "singleinstance_test.moc"
