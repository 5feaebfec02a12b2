// The key combinations the desktop portal is asked for.
#include "platform/portaltrigger.h"

#include <QtTest>

#include "platform/hotkeys.h"
#include "support/qtestrunner.h"

using namespace sorvanta;

class CPortalTriggerTest : public QObject {
    Q_OBJECT
private slots:
    void Triggers() {
        const std::tuple<unsigned, char, QString> cases[] = {
            {kModControl | kModAlt, 'B', "CTRL+ALT+b"},
            {kModWin, 'b', "LOGO+b"},
            {kModWin, '7', "LOGO+7"},
            {kModWin | kModShift, 'B', "SHIFT+LOGO+b"},  // the key without Shift, Shift a modifier
            {kModWin, '\xC1', "LOGO+Cyrillic_be"},
            {kModControl | kModAlt, '\xB8', "CTRL+ALT+Cyrillic_io"},
            {kModWin, '\0', QString()},  // no character
        };
        for (const auto& [nModifiers, ch, trigger] : cases) QCOMPARE(PortalTrigger(nModifiers, ch), trigger);
    }
};

SORVANTA_QTEST(CPortalTriggerTest)
#include "portaltrigger_test.moc"
