// One program per user and display: a second start asks the first to show
// its window, and a lock left by a program that died is taken over.
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include "platform/singleinstance.h"

using namespace sorvanta;

namespace {

QString UniqueKey() {
    return QStringLiteral("sorvanta-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(QRandomGenerator::global()->generate());
}

}  // namespace

class CSingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void ASecondStartAsksTheFirstToRestore() {
        const QString key = UniqueKey();
        CSingleInstance first(key);
        QVERIFY(first.Acquire());
        QSignalSpy restores(&first, &CSingleInstance::RestoreRequested);
        CSingleInstance second(key);
        QVERIFY(!second.Acquire());
        QTRY_COMPARE(restores.count(), 1);
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

QTEST_MAIN(CSingleInstanceTest)
#include "singleinstance_test.moc"
