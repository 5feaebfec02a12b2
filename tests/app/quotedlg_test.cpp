// The main window driven as a user drives it: type, press Enter, read the
// quote window, copy, and the failure paths with their messages. What OK
// decides is the session's (tests/session); here, that the window acts on it.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QCompleter>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>

#include "app/hookwnd.h"
#include "output/copydlg.h"
#include "support/guifixture.h"
#include "support/qtestrunner.h"
#include "ui/qtext.h"

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

const QString kNoBook = QStringLiteral("Нету книг c таким сокращением или не выбран модуль");
const QString kNotFound = QStringLiteral("Искомый отрывок не найден");

QStringList History(const CQuoteDlg& dlg) {
    QStringList items;
    for (int i = 0; i < dlg.m_comboVerse->count(); ++i) items << dlg.m_comboVerse->itemText(i);
    return items;
}

QString Clipboard() {
    return QGuiApplication::clipboard()->text();
}

}  // namespace

class CQuoteDlgTest : public QObject {
    Q_OBJECT
private slots:
    // Only a copy hides the window and applies the check box; a quotation
    // found is listed whatever the quote window's end.
    void TheQuoteWindowShowsTheQuotationAndEndsAsChosen() {
        auto pDlg = OpenWindow().m_pDlg;
        const std::pair<bool, bool> ends[] = {{true, false}, {false, true}, {true, true}};  // ticked, copied
        for (const auto& [bTicked, bCopied] : ends) {
            QGuiApplication::clipboard()->clear();
            QString shown;
            OnNextModal([&, bTicked = bTicked, bCopied = bCopied](QWidget* pModal) {
                shown = qobject_cast<CCopyDlg*>(pModal)->TextEdit()->toPlainText();
                Find<QCheckBox>(pModal, "checkDontShow")->setChecked(bTicked);
                QTest::mouseClick(Find<QPushButton>(pModal, bCopied ? "buttonCopy" : "buttonCancel"), Qt::LeftButton);
            });
            pDlg->show();
            TypeAndPressEnter(*pDlg, QStringLiteral("Кн 1:2-3"));
            QCOMPARE(shown, QStringLiteral("Кн 1:2-3. Beta\n3 Gamma"));
            QCOMPARE(Clipboard(), bCopied ? shown : QString());
            QCOMPARE(pDlg->isHidden(), bCopied);
            QCOMPARE(pDlg->m_session.m_settings.m_bShowDlg, bTicked && bCopied ? 0 : 1);
        }
        QCOMPARE(History(*pDlg).size(), 3);
    }

    // With the quote window off the quotation goes straight to the clipboard,
    // as text and, unless switched off, as HTML; the history list stays
    // sorted, letter case ignored, duplicates kept, until cleared.
    void WithoutTheQuoteWindowTheClipboardGetsTheQuotationAtOnce() {
        auto pDlg = OpenWindow({{"ShowDlg", 0}}).m_pDlg;
        pDlg->m_session.m_arrHistory = {"кн 2:1", "Кн 2:1"};  // equal, oldest first
        for (const QString& reference : QStringList{"Кн 1:1", "кн 1:2-3"}) {
            pDlg->show();
            TypeAndPressEnter(*pDlg, reference);
            QVERIFY(pDlg->isHidden());
        }
        QCOMPARE(Clipboard(), QStringLiteral("кн 1:2-3. Beta\n3 Gamma"));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->html().contains(QStringLiteral("<sup>3</sup>")));
        QCOMPARE(History(*pDlg), (QStringList{"Кн 1:1", "кн 1:2-3", "кн 2:1", "Кн 2:1"}));

        pDlg->m_session.m_quotation.m_style = {CCitationFormat::Quoted, false, true};
        pDlg->m_session.m_quotation.m_bHtml = 0;
        pDlg->show();
        TypeAndPressEnter(*pDlg, QStringLiteral("КН 1:2-3"));  // kept as typed, not as the history has it
        QCOMPARE(Clipboard(), QStringLiteral("«Beta Gamma» (КН 1:2-3)"));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
        pDlg->ClearHistory();
        QCOMPARE(History(*pDlg), QStringList{});
    }

    // The everyday loop: quote, come back, type the next reference at once.
    // The field is never completed from the history, and coming back gives
    // it the focus with its text selected, so typing replaces it.
    void TheNextReferenceIsTypedStraightAfterComingBack() {
        auto pDlg = OpenWindow({{"ShowDlg", 0}}).m_pDlg;
        TypeAndPressEnter(*pDlg, QStringLiteral("Кн 1:2-3"));
        QWidget other;  // where the person works meanwhile
        other.show();
        for (int nWay = 0; nWay < 3; ++nWay) {
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            if (nWay == 0) pDlg->OnTrayNotify(kTrayIconId, 0x0201);
            if (nWay == 1) pDlg->OnMenuRestore();
            if (nWay == 2) pDlg->BringToFront();
            QVERIFY(QTest::qWaitForWindowActive(pDlg.get()));
            QTRY_VERIFY(pDlg->m_comboVerse->lineEdit()->hasFocus());
            QCOMPARE(pDlg->m_comboVerse->lineEdit()->selectedText(), pDlg->m_comboVerse->currentText());
            TypeText(pDlg->m_comboVerse->lineEdit(), QStringLiteral("Кн 1:2"));
            QTest::keyClick(pDlg->m_comboVerse->lineEdit(), Qt::Key_Return);
            QCOMPARE(Clipboard(), QStringLiteral("Кн 1:2. Beta"));
        }
    }

    void EnterOnAFocusedButtonPressesThatButton() {
        auto pDlg = OpenWindow().m_pDlg;
        pDlg->m_comboVerse->setEditText(QStringLiteral("Кн 1:1"));
        auto* pExit = Find<QPushButton>(pDlg.get(), "buttonExit");
        pExit->setFocus();
        QTest::keyClick(pExit, Qt::Key_Return);
        QCOMPARE(pDlg->result(), int(QDialog::Rejected));
        QCOMPARE(pDlg->m_comboVerse->count(), 0);  // no lookup ran
    }

    // The scan's messages after the list is filled: a handful one box each,
    // of many the sixth box counts and lists the rest. A lookup that fails
    // shows its messages in order and changes nothing.
    void ScanAndLookupMessages() {
        for (int nModules : {0, 4, 8}) {  // each unreadable, then "no modules" at the end
            QTemporaryDir root;
            for (int i = 0; i < nModules; ++i) QDir(root.path()).mkpath(QStringLiteral("m%1/orvanel.ini").arg(i));
            CMessageRecorder recorder;
            auto pDlg = OpenWindow({{"Directory", root.path()}}).m_pDlg;
            QCOMPARE(recorder.m_messages.size(), qMin(nModules + 1, 6));
            QCOMPARE(pDlg->m_comboModules->currentIndex(), -1);
            if (nModules == 0) {
                QCOMPARE(recorder.m_messages.front(), "В каталоге " + root.path() + " модули не были найдены");
                recorder.m_messages.clear();
                TypeAndPressEnter(*pDlg, QStringLiteral("Кн 1:1"));
                QCOMPARE(recorder.m_messages, (QStringList{kNoBook, kNotFound}));
                QVERIFY(pDlg->isVisible());
                QCOMPARE(pDlg->m_comboVerse->count(), 0);
            }
            if (nModules == 8) QVERIFY(recorder.m_messages.last().startsWith(QStringLiteral("Ещё сообщений: 4\n")));
        }
    }

    // The modules are listed by their names, UTF-8 ones too; the one chosen
    // gives the book abbreviations offered and the quotation, in its letters.
    void ChoosingAModuleLooksUpInIt() {
        auto pDlg = OpenWindow({{"Directory", QStringLiteral(SORVANTA_TEST_DATA "/encodings")}, {"ShowDlg", 0}}).m_pDlg;
        QCOMPARE(pDlg->m_comboModules->currentIndex(), 0);
        QCOMPARE(pDlg->m_comboModules->itemText(1), QStringLiteral("Юникод с меткой"));
        pDlg->m_comboModules->setCurrentIndex(1);
        emit pDlg->m_comboModules->activated(1);
        auto* pBooks = static_cast<QStringListModel*>(Find<QCompleter>(pDlg.get(), "bookCompleter")->model());
        QCOMPARE(pBooks->stringList(), (QStringList{"Кн", "Ёж", "Ґн"}));
        TypeAndPressEnter(*pDlg, QStringLiteral("ёж 1:1"));
        QVERIFY(Clipboard().startsWith(QStringLiteral("ёж 1:1. ")));
    }

    // Words typed instead of a reference list the verses that hold them under
    // the field; Escape closes the list and nothing else, Enter on a line
    // quotes that verse as if its reference had been typed.
    void WordsTypedListTheVersesThatHoldThem() {
        auto pDlg = OpenWindow({{"Directory", QStringLiteral(SORVANTA_TEST_DATA "/refs")}}).m_pDlg;
        pDlg->m_comboModules->setCurrentIndex(4);
        emit pDlg->m_comboModules->activated(4);
        TypeAndPressEnter(*pDlg, QStringLiteral("свет тьма"));
        auto* pList = Find<QListWidget>(pDlg.get(), "foundVerses");
        QTRY_VERIFY(pList->isVisible());
        QTest::keyClick(pList, Qt::Key_Escape);
        QVERIFY(!pList->isVisible());
        QVERIFY(pDlg->isVisible());

        TypeAndPressEnter(*pDlg, QStringLiteral("свет тьма"));
        QTRY_VERIFY(pList->isVisible());
        QCOMPARE(pList->count(), 4);
        QCOMPARE(pList->item(0)->text(), QStringLiteral("Вт 1:3  Свет, тьма!"));
        QTest::keyClick(pList, Qt::Key_Down);
        QTest::keyClick(pList, Qt::Key_Return);
        QString shown;
        OnNextModal([&](QWidget* pModal) {
            shown = qobject_cast<CCopyDlg*>(pModal)->TextEdit()->toPlainText();
            QTest::mouseClick(Find<QPushButton>(pModal, "buttonCancel"), Qt::LeftButton);
        });
        QTRY_COMPARE(shown, QStringLiteral("Пер 1:2. Свет во тьме светит, и тьма не объяла его."));
        QVERIFY(!pList->isVisible());
        QCOMPARE(pDlg->m_comboVerse->currentText(), QStringLiteral("Пер 1:2"));
        QCOMPARE(History(*pDlg), QStringList{QStringLiteral("Пер 1:2")});
    }

    // The abbreviations are offered while the book is typed; only Down and
    // Enter take one, the typed text is never changed otherwise.
    void BookAbbreviationsAreOfferedAndTakenOnlyByChoice() {
        auto pDlg = OpenWindow({{"ShowDlg", 0}}).m_pDlg;
        auto* pCompleter = Find<QCompleter>(pDlg.get(), "bookCompleter");
        QLineEdit* pEdit = pDlg->m_comboVerse->lineEdit();
        pEdit->setFocus();
        TypeText(pEdit, QStringLiteral("к"));
        QTRY_VERIFY(pCompleter->popup()->isVisible());
        QCOMPARE(pCompleter->completionModel()->rowCount(), 2);  // "Кн" and "Книга"
        // Where the list takes the keyboard, closing it activates the window
        // again: that selects nothing, so the typing goes on.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        pDlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pDlg.get()));
        QCoreApplication::processEvents();
        TypeText(pEdit, QStringLiteral("н 1:1"));
        QCOMPARE(pEdit->text(), QStringLiteral("кн 1:1"));

        pEdit->clear();
        TypeText(pEdit, QStringLiteral("Кни"));
        QTRY_VERIFY(pCompleter->popup()->isVisible());
        QTest::keyClick(pCompleter->popup(), Qt::Key_Down);
        QTest::keyClick(pCompleter->popup(), Qt::Key_Return);
        QCOMPARE(pEdit->text(), QStringLiteral("Книга"));
    }

    // A first start (no module root in the profile) takes the root it finds
    // where the host's modules usually are, and keeps it.
    void AFirstStartFindsTheModules() {
        QTemporaryDir home;
        const QString root = home.path() + "/.wine/drive_c/Program Files/Orvanel/Modules";
        QDir().mkpath(root + "/a");
        QFile::copy(kDataRoot + "/a_kn/orvanel.ini", root + "/a/orvanel.ini");
        qputenv("HOME", home.path().toUtf8());
        ResetProfile({});
        CQuoteDlg dlg(nullptr, std::make_unique<CRecordingHotkeys>(), true);
        dlg.show();
        QCOMPARE(dlg.m_comboModules->count(), 1);
        QCOMPARE(PathToQString(LoadSettingsValues(SettingsFileStore().Read()).m_strDirectory), root);
        dlg.reject();
    }

    void TheHookSeesEveryEventFromStartToEnd() {
        auto pDlg = OpenWindow().m_pDlg;
        QVERIFY(FindHookWnd(pDlg.get()) == pDlg->m_pHook && pDlg->m_pHook != nullptr);
        QVERIFY(!pDlg->m_pHook->isVisible());
        const long nBefore = pDlg->m_pHook->EventsPassed();
        pDlg->update();
        QTRY_VERIFY(pDlg->m_pHook->EventsPassed() > nBefore);
        pDlg->reject();
        QVERIFY(pDlg->m_pHook == nullptr && FindHookWnd(pDlg.get()) == nullptr);
    }

    // The line below the buttons follows the typing and the module chosen
    // (what it tells is the lookup's, tests/lookup/preview_test.cpp).
    void ThePreviewLineFollowsTheTypingAndTheModule() {
        auto pDlg = OpenWindow().m_pDlg;
        TypeText(pDlg->m_comboVerse->lineEdit(), QStringLiteral("Кн 1:2-3"));
        QCOMPARE(pDlg->PreviewText(), QStringLiteral("Кн 1:2–3, 2 стиха"));
        pDlg->m_comboModules->setCurrentIndex(1);
        emit pDlg->m_comboModules->activated(1);
        QCOMPARE(pDlg->PreviewText(), QStringLiteral("Нет книги с таким сокращением"));
    }
};

SORVANTA_QTEST(CQuoteDlgTest)
#include "quotedlg_test.moc"
