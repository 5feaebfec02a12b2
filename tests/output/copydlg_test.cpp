// The quote window on its own: what it shows, where the focus starts, what
// each key and button does, and what reaches the clipboard.
#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>

#include "output/copydlg.h"
#include "support/guifixture.h"
#include "support/qtestrunner.h"
#include "ui/qtext.h"

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

const std::string kPassage = FromQString(QStringLiteral("Кн 1:2-3. Beta\r\n3 Gamma"));

// Runs the window on the passage; `act` drives it from inside its run. A
// window that `act` left open (a failed check) ends with -1.
int RunQuoteWindow(CCopyDlg& dlg, std::function<void(CCopyDlg&)> act, const std::string& strPassage = kPassage) {
    dlg.m_strPassage = strPassage;
    QTimer::singleShot(0, [&dlg, act = std::move(act)] {
        act(dlg);
        if (dlg.isVisible()) dlg.done(-1);
    });
    return dlg.exec();
}

QPushButton* Button(CCopyDlg& dlg, const char* name) {
    return dlg.findChild<QPushButton*>(QLatin1String(name));
}

}  // namespace

class CCopyDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The passage is shown with the focus on the check box; what each key and
    // button then does by where the focus is. A copy takes the edited text
    // with LF line ends (the window keeps the book's own), and the HTML only
    // when unedited.
    void KeysAndButtons() {
        const QString shown = QStringLiteral("Кн 1:2-3. Beta\n3 Gamma");
        struct Case {
            const char* name;
            std::function<void(CCopyDlg&)> act;
            QString copied;  // what the clipboard holds after; "before": cancelled
            bool bHtml;
        };
        const Case cases[] = {
            {"Copy takes the edited text",
             [](CCopyDlg& d) {
                 d.TextEdit()->moveCursor(QTextCursor::End);
                 TypeText(d.TextEdit(), QStringLiteral(" (правка)"));
                 QTest::mouseClick(Button(d, "buttonCopy"), Qt::LeftButton);
             },
             shown + QStringLiteral(" (правка)"), false},
            {"Enter on the check box copies",
             [](CCopyDlg& d) { QTest::keyClick(d.findChild<QCheckBox*>(), Qt::Key_Return); }, shown, true},
            {"Enter on a focused Отменить cancels",
             [](CCopyDlg& d) {
                 Button(d, "buttonCancel")->setFocus();
                 QTest::keyClick(Button(d, "buttonCancel"), Qt::Key_Return);
             },
             "before", false},
            {"Enter in the edit breaks the line, Escape cancels",
             [&shown](CCopyDlg& d) {
                 d.TextEdit()->setFocus();
                 d.TextEdit()->moveCursor(QTextCursor::End);
                 QTest::keyClick(d.TextEdit(), Qt::Key_Return);
                 QVERIFY(d.isVisible());
                 QCOMPARE(d.TextEdit()->toPlainText(), shown + "\n");
                 QTest::keyClick(&d, Qt::Key_Escape);
             },
             "before", false},
        };
        for (const Case& c : cases) {
            QGuiApplication::clipboard()->setText(QStringLiteral("before"));
            CCopyDlg dlg;
            dlg.m_strHtml = "<b>Кн 1:2-3</b>";
            const int nResult = RunQuoteWindow(dlg, [&c, &shown](CCopyDlg& d) {
                QCOMPARE(d.TextEdit()->toPlainText(), shown);
                QVERIFY(qobject_cast<QCheckBox*>(d.focusWidget()) != nullptr);
                c.act(d);
            });
            const bool bCopied = c.copied != "before";
            QVERIFY2(nResult == (bCopied ? QDialog::Accepted : QDialog::Rejected), c.name);
            QCOMPARE(QGuiApplication::clipboard()->text(), c.copied);
            QVERIFY2(QGuiApplication::clipboard()->mimeData()->hasHtml() == c.bHtml, c.name);
            if (bCopied) QCOMPARE(ToQString(dlg.m_strText), QString(c.copied).replace("\n", "\r\n"));
        }
    }

    // A whole chapter of a huge book: its beginning under a note, cut between
    // two characters, not to be edited; copied whole, with its HTML.
    void HugeQuotationIsShownShortenedAndCopiedWhole() {
        QString whole = QStringLiteral("Кн1. ");  // the 256 KiB border falls inside a letter
        for (int line = 0; line < 40000; ++line) whole += QStringLiteral("%1 Слово было\r\n").arg(line);
        CCopyDlg dlg;
        dlg.m_encoding = TextEncoding::Utf8;
        dlg.m_strHtml = "<b>Кн 1</b>";
        QString shown;
        RunQuoteWindow(
            dlg,
            [&](CCopyDlg& d) {
                shown = d.TextEdit()->toPlainText();
                QVERIFY(d.TextEdit()->isReadOnly());
                QTest::mouseClick(Button(d, "buttonCopy"), Qt::LeftButton);
            },
            whole.toStdString());
        QVERIFY(shown.startsWith(QStringLiteral("[Цитата слишком длинная")));
        QVERIFY(shown.contains(QStringLiteral("Кн1. 0 Слово было\n1 Слово")));
        QVERIFY(shown.size() < whole.size() / 2);
        QVERIFY(!shown.contains(QChar::ReplacementCharacter));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString(whole).replace(QStringLiteral("\r\n"), "\n"));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->html().isEmpty());
    }
};

SORVANTA_QTEST(CCopyDlgTest)
#include "copydlg_test.moc"
