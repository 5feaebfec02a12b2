// The key combinations the desktop portal is asked for.
#include "platform/portaltrigger.h"

#include <QtTest>

#include "platform/hotkeys.h"
#include "support/qtestrunner.h"

using namespace sorvanta;

class CPortalTriggerTest : public QObject {
    Q_OBJECT
private slots:
    void Triggers_data() {
        QTest::addColumn<unsigned>("modifiers");
        QTest::addColumn<char>("character");
        QTest::addColumn<QString>("trigger");
        QTest::newRow("capital letter") << (kModControl | kModAlt) << 'B' << QStringLiteral("CTRL+ALT+b");
        QTest::newRow("small letter") << kModWin << 'b' << QStringLiteral("LOGO+b");
        QTest::newRow("digit") << kModWin << '7' << QStringLiteral("LOGO+7");
        QTest::newRow("Cyrillic capital") << kModWin << '\xC1' << QStringLiteral("LOGO+Cyrillic_be");
        QTest::newRow("yo") << (kModControl | kModAlt) << '\xB8' << QStringLiteral("CTRL+ALT+Cyrillic_io");
        QTest::newRow("no character") << kModWin << '\0' << QString();
    }

    void Triggers() {
        QFETCH(unsigned, modifiers);
        QFETCH(char, character);
        QFETCH(QString, trigger);
        QCOMPARE(PortalTrigger(modifiers, character), trigger);
    }
};

SORVANTA_QTEST(CPortalTriggerTest)
#include "portaltrigger_test.moc"
