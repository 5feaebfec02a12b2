// Hiding and showing the main window: Escape, the caption button, the tray
// icon and its menu, the hot keys.
#include <QMenu>

#include "support/guifixture.h"
#include "support/qtestrunner.h"

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

void SettleEvents() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

}  // namespace

class CWindowStatesTest : public QObject {
    Q_OBJECT
private slots:
    void EscapeHidesToTheTrayAndNeverCloses() {
        CWindowUnderTest window = OpenWindow();
        CQuoteDlg& dlg = *window.m_pDlg;
        for (QWidget* pTarget :
             {static_cast<QWidget*>(dlg.m_comboVerse->lineEdit()), static_cast<QWidget*>(dlg.m_comboModules)}) {
            dlg.showNormal();
            SettleEvents();
            QTest::keyClick(pTarget, Qt::Key_Escape);
            SettleEvents();
            QVERIFY(dlg.isHidden());
            QCOMPARE(dlg.result(), 0);  // the modal run was not ended
            QVERIFY(dlg.m_pHook != nullptr);
        }
    }

    // Starting in the tray hides the window without minimising it; the
    // restore hot key shows it, and keeps it shown when pressed again.
    void StartingInTheTrayAndTheRestoreHotkey() {
        CWindowUnderTest window = OpenWindow({{"TrayDef", 1}});
        SettleEvents();
        QVERIFY(window.m_pDlg->isHidden() && !window.m_pDlg->isMinimized());
        for (int nPress = 0; nPress < 2; ++nPress) {
            window.m_pHotkeys->Press(kHotkeyRestore);
            QVERIFY(window.m_pDlg->isVisible() && !window.m_pDlg->isMinimized());
        }
    }

    void TrayNotificationsAndMenu() {
        CWindowUnderTest window = OpenWindow();
        CQuoteDlg& dlg = *window.m_pDlg;
        QCOMPARE(dlg.TrayIcon()->toolTip(), QStringLiteral("This is Tip"));
        QVERIFY(!dlg.TrayIcon()->icon().pixmap(32).isNull());  // the program's own picture
        dlg.hide();
        QCOMPARE(dlg.OnTrayNotify(102, 0x0201), 0);  // another icon's report is ignored
        QVERIFY(dlg.isHidden());
        for (unsigned mouse : {0x0200u, 0x0202u, 0x0203u}) {
            QCOMPARE(dlg.OnTrayNotify(101, mouse), 1);
            QVERIFY(dlg.isHidden());
        }
        QCOMPARE(dlg.OnTrayNotify(101, 0x00010201), 1);  // only the low 16 bits count
        QVERIFY(dlg.isVisible());

        dlg.hide();
        QCOMPARE(dlg.OnTrayNotify(101, 0x0205), 1);
        auto* pMenu = dlg.findChild<QMenu*>();
        QVERIFY(pMenu != nullptr);
        QStringList texts;
        for (QAction* pAction : pMenu->actions()) texts << (pAction->isSeparator() ? "-" : pAction->text());
        QCOMPARE(texts, (QStringList{"Развернуть", "-", "Закрыть"}));
        pMenu->actions().front()->trigger();
        QVERIFY(dlg.isVisible());
        pMenu->close();
        SettleEvents();

        dlg.OnTrayNotify(101, 0x0205);
        dlg.findChild<QMenu*>()->actions().back()->trigger();  // "Закрыть" ends the program's window
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(dlg.m_pHook == nullptr);
        QVERIFY(dlg.TrayIcon() == nullptr);
    }

    // A press strictly inside the button's edges hides the window.
    void ThePressOnTheCaptionButton() {
        CWindowUnderTest window = OpenWindow();
        CQuoteDlg& dlg = *window.m_pDlg;
        const int w = dlg.width();
        const std::pair<QPoint, bool> cases[] = {
            {{w - 18, 6}, true},  {{w - 6, 18}, true},  {{w - 12, 17}, true},  {{w - 19, 10}, false},
            {{w - 5, 10}, false}, {{w - 12, 5}, false}, {{w - 12, 19}, false},
        };
        for (const auto& [pos, bOn] : cases) QCOMPARE(dlg.IsOnCaptionButton(pos), bOn);
        for (const QPoint& pos : {QPoint(w - 19, 10), QPoint(w - 18, 6)}) {  // just outside, then inside
            QTest::mouseClick(&dlg, Qt::LeftButton, {}, pos);
            SettleEvents();
            QCOMPARE(dlg.isHidden(), pos.x() == w - 18);
        }
        QCOMPARE(dlg.result(), 0);
    }

    // The raised button with a bar: W white, L light and D dark grey, B black.
    void CaptionPicture() {
        const QByteArray light("WLLLLLLLLLLLLD");
        const QByteArray expected = QByteArray("WWWWWWWWWWWWWW") + light.repeated(7) +
                                    QByteArray("WLLBBBBBBLLLLD").repeated(2) + light + "DDDDDDDDDDDDDD";
        const QMap<QRgb, char> letters{
            {qRgb(255, 255, 255), 'W'}, {qRgb(192, 192, 192), 'L'}, {qRgb(128, 128, 128), 'D'}, {qRgb(0, 0, 0), 'B'}};
        const QImage picture = CaptionButtonPicture();
        QCOMPARE(picture.size(), QSize(14, 12));
        QByteArray drawn;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 14; ++x) drawn += letters.value(picture.pixel(x, y) | 0xFF000000u, '?');
        QCOMPARE(drawn, expected);
    }
};

SORVANTA_QTEST(CWindowStatesTest)
#include "windowstates_test.moc"
