// The command line: the two requests for desktops without hot keys, and
// everything else refused.
#include "app/commandline.h"

#include <QtTest>

#include "support/qtestrunner.h"

using namespace sorvanta;

Q_DECLARE_METATYPE(std::optional<CInstanceRequest>)

class CCommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void Requests_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<std::optional<CInstanceRequest>>("request");
        QTest::newRow("none") << QStringList() << std::optional(CInstanceRequest::Show);
        QTest::newRow("restore") << QStringList{QStringLiteral("--restore")}
                                 << std::optional(CInstanceRequest::HotKeyRestore);
        QTest::newRow("launch") << QStringList{QStringLiteral("--launch-host")}
                                << std::optional(CInstanceRequest::HotKeyLaunch);
        const std::optional<CInstanceRequest> refused;
        QTest::newRow("both") << QStringList{QStringLiteral("--restore"), QStringLiteral("--launch-host")} << refused;
        QTest::newRow("unknown") << QStringList{QStringLiteral("--help")} << refused;
        QTest::newRow("with a value") << QStringList{QStringLiteral("--restore=1")} << refused;
        QTest::newRow("word") << QStringList{QStringLiteral("restore")} << refused;
    }

    void Requests() {
        QFETCH(QStringList, args);
        QFETCH(std::optional<CInstanceRequest>, request);
        QVERIFY(ParseCommandLine(args) == request);
    }
};

SORVANTA_QTEST(CCommandLineTest)
#include "commandline_test.moc"
