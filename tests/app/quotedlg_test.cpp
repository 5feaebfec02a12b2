// The main window driven as a user drives it: type, press Enter, read the
// quote window, copy, and the failure paths with their messages.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>

#include "app/hookwnd.h"
#include "output/copydlg.h"
#include "support/guifixture.h"
#include "support/qtestrunner.h"
#include "text/codec.h"
#include "ui/qtext.h"

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

const QString kNoBook = QStringLiteral("Нету книг c таким сокращением или не выбран модуль");
const QString kNotFound = QStringLiteral("Искомый отрывок не найден");

void TypeAndPressEnter(CQuoteDlg& dlg, const QString& reference) {
    dlg.m_comboVerse->setEditText(QString());
    TypeText(dlg.m_comboVerse->lineEdit(), reference);
    QTest::keyClick(dlg.m_comboVerse->lineEdit(), Qt::Key_Return);
}

QStringList History(const CQuoteDlg& dlg) {
    QStringList items;
    for (int i = 0; i < dlg.m_comboVerse->count(); ++i) items << dlg.m_comboVerse->itemText(i);
    return items;
}

// A module root with two modules: "a" names its book in full (Иоанна, two
// chapters of 3 and 22 verses), "b" keeps a number where the name goes.
void WritePreviewModules(const QString& root) {
    QDir().mkpath(root + "/a");
    QDir().mkpath(root + "/b");
    auto write = [](const QString& path, const std::string& strUtf8) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(Utf8ToCp1251(strUtf8)));
    };
    write(root + "/a/orvanel.ini",
          "BibleName = Полные имена\nChapterSign = <h4>\nVerseSign = <p>\n"
          "PathName = jn.htm\nFullName = Иоанна\nShortName = Ин Иоан\n");
    std::string strBook = "<html>\n<h4>1</h4>\n<p>1 a\n<p>2 b\n<p>3 c\n<h4>2</h4>\n";
    for (int i = 1; i <= 22; ++i) strBook += "<p>" + std::to_string(i) + " v\n";
    write(root + "/a/jn.htm", strBook);
    QFile::copy(kDataRoot + "/a_kn/orvanel.ini", root + "/b/orvanel.ini");
    QFile::copy(kDataRoot + "/a_kn/kn.htm", root + "/b/kn.htm");
}

}  // namespace

class CQuoteDlgTest : public QObject {
    Q_OBJECT
private slots:
    void EnterLooksUpShowsTheQuoteAndCopies() {
        auto pDlg = OpenWindow().m_pDlg;
        QString shown;
        OnNextModal([&](QWidget* pModal) {
            auto* pCopy = qobject_cast<CCopyDlg*>(pModal);
            QVERIFY(pCopy != nullptr);
            shown = pCopy->TextEdit()->toPlainText();
            QTest::mouseClick(pCopy->findChild<QPushButton*>("buttonCopy"), Qt::LeftButton);
        });
        TypeAndPressEnter(*pDlg, QStringLiteral("Кн 1:2-3"));

        QCOMPARE(shown, QStringLiteral("Кн 1:2-3. Beta\n3 Gamma"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Кн 1:2-3. Beta\n3 Gamma"));
        QVERIFY(pDlg->isHidden());
        QCOMPARE(History(*pDlg), QStringList{"Кн 1:2-3"});
        QCOMPARE(pDlg->m_session.m_settings.m_bShowDlg, 1);
    }

    // The everyday loop: quote, come back, type the next reference at once.
    // The field is never completed from the history, and coming back gives
    // it the focus with its text selected, so typing replaces it.
    void TheNextReferenceIsTypedStraightAfterComingBack() {
        auto pDlg = OpenWindow({{"ShowDlg", 0}}).m_pDlg;
        TypeAndPressEnter(*pDlg, QStringLiteral("Кн 1:2-3"));
        QVERIFY(pDlg->isHidden());
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
            QCOMPARE(pDlg->m_comboVerse->currentText(), QStringLiteral("Кн 1:2"));
            QTest::keyClick(pDlg->m_comboVerse->lineEdit(), Qt::Key_Return);
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Кн 1:2. Beta"));
        }
    }

    void EnterOnAFocusedButtonPressesThatButton() {
        auto pDlg = OpenWindow().m_pDlg;
        pDlg->m_comboVerse->setEditText(QStringLiteral("Кн 1:1"));
        auto* pExit = pDlg->findChild<QPushButton*>("buttonExit");
        pExit->setFocus();
        QTest::keyClick(pExit, Qt::Key_Return);
        QCOMPARE(pDlg->result(), int(QDialog::Rejected));
        QCOMPARE(pDlg->m_comboVerse->count(), 0);  // no lookup ran
    }

    void FailuresShowTheirMessagesInOrderAndChangeNothing() {
        const std::pair<QString, QStringList> cases[] = {
            {QStringLiteral("Откр 1:1"), {kNoBook, kNotFound}},
            {QStringLiteral("3:16"), {kNoBook, kNotFound}},
            {QStringLiteral("Кн 9"), {kNotFound + QStringLiteral("\nВ книге глав: 2.")}},
            {QStringLiteral("Кн 1:4"), {kNotFound + QStringLiteral("\nВ главе стихов: 3.")}},
            {QStringLiteral("Кн 1:0"), {kNotFound}},
            {QStringLiteral("Нет 1"), {kNotFound}},  // the book file is missing
        };
        auto pDlg = OpenWindow().m_pDlg;
        for (const auto& [reference, messages] : cases) {
            CMessageRecorder recorder;
            TypeAndPressEnter(*pDlg, reference);
            QCOMPARE(recorder.m_messages, messages);
        }
        QVERIFY(pDlg->isVisible());
        QCOMPARE(pDlg->m_comboVerse->count(), 0);
        QCOMPARE(pDlg->m_session.m_settings.m_bShowDlg, 1);
    }

    void TheQuoteWindowsCheckBoxAndCancel() {
        auto pDlg = OpenWindow().m_pDlg;
        // Cancel with the box ticked changes nothing; the window stays.
        OnNextModal([](QWidget* pModal) {
            pModal->findChild<QCheckBox*>("checkDontShow")->setChecked(true);
            QTest::mouseClick(pModal->findChild<QPushButton*>("buttonCancel"), Qt::LeftButton);
        });
        TypeAndPressEnter(*pDlg, QStringLiteral("Кн 1:1"));
        QVERIFY(pDlg->isVisible());
        QCOMPARE(pDlg->m_session.m_settings.m_bShowDlg, 1);
        QCOMPARE(History(*pDlg), QStringList{"Кн 1:1"});  // found, so listed all the same

        // Ticking the box switches the window off for the next lookups.
        QGuiApplication::clipboard()->clear();
        OnNextModal([](QWidget* pModal) {
            pModal->findChild<QCheckBox*>("checkDontShow")->setChecked(true);
            QTest::keyClick(pModal->findChild<QCheckBox*>("checkDontShow"), Qt::Key_Return);
        });
        TypeAndPressEnter(*pDlg, QStringLiteral("Кн 2:1"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Кн 2:1. Delta"));
        QCOMPARE(pDlg->m_session.m_settings.m_bShowDlg, 0);
        QVERIFY(pDlg->isHidden());

        // With the window switched off the quotation goes straight to the clipboard.
        pDlg->show();
        TypeAndPressEnter(*pDlg, QStringLiteral("кн 2:2"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("кн 2:2. Epsilon"));
        QVERIFY(pDlg->isHidden());
        QCOMPARE(History(*pDlg), (QStringList{"Кн 1:1", "Кн 2:1", "кн 2:2"}));
    }

    // The chosen citation format reaches the clipboard as text and, unless
    // switched off, as HTML beside it; the default is the quotation as looked up.
    void CitationFormatsAndTheHtmlFlavour() {
        auto pDlg = OpenWindow({{"ShowDlg", 0}}).m_pDlg;
        const QString plain = QStringLiteral("Кн 1:2-3. Beta\n3 Gamma");
        TypeAndPressEnter(*pDlg, QStringLiteral("Кн 1:2-3"));
        const QMimeData* pData = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(pData->text(), plain);
        QVERIFY(pData->html().contains(QStringLiteral("<b>Кн 1:2-3</b>")));
        QVERIFY(pData->html().contains(QStringLiteral("<sup>3</sup>")));

        pDlg->m_session.m_quotation.m_style = {CCitationFormat::Quoted, false, true};
        pDlg->m_session.m_quotation.m_bHtml = 0;
        pDlg->show();
        TypeAndPressEnter(*pDlg, QStringLiteral("Кн 1:2-3"));
        pData = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(pData->text(), QStringLiteral("«Beta Gamma» (Кн 1:2-3)"));
        QVERIFY(!pData->hasHtml());
    }

    // The module's abbreviations are offered while the book is typed; only
    // Down and Enter take one, the typed text is never changed otherwise.
    void BookAbbreviationsAreOfferedAndTakenOnlyByChoice() {
        auto pDlg = OpenWindow({{"ShowDlg", 0}}).m_pDlg;
        auto* pCompleter = pDlg->findChild<QCompleter*>("bookCompleter");
        QLineEdit* pEdit = pDlg->m_comboVerse->lineEdit();
        pEdit->setFocus();
        TypeText(pEdit, QStringLiteral("к"));
        QCOMPARE(pEdit->text(), QStringLiteral("к"));
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
        QVERIFY(!pEdit->hasSelectedText());
        TypeText(pEdit, QStringLiteral("н 1:1"));
        QCOMPARE(pEdit->text(), QStringLiteral("кн 1:1"));
        QTest::keyClick(pEdit, Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("кн 1:1. Alpha"));

        pDlg->show();
        pDlg->m_comboVerse->setEditText(QString());
        TypeText(pEdit, QStringLiteral("Кни"));
        QTRY_VERIFY(pCompleter->popup()->isVisible());
        QTest::keyClick(pCompleter->popup(), Qt::Key_Down);
        QTest::keyClick(pCompleter->popup(), Qt::Key_Return);
        QCOMPARE(pEdit->text(), QStringLiteral("Книга"));
    }

    // A module written in UTF-8 shows its name, offers its abbreviations and
    // quotes in its own letters, beside the code page 1251 ones.
    void Utf8ModulesReadRight() {
        auto pDlg = OpenWindow({{"Directory", QStringLiteral(SORVANTA_TEST_DATA "/encodings")}, {"ShowDlg", 0}}).m_pDlg;
        QCOMPARE(pDlg->m_comboModules->itemText(1), QStringLiteral("Юникод с меткой"));
        pDlg->m_comboModules->setCurrentIndex(1);
        emit pDlg->m_comboModules->activated(1);
        QStringList books =
            static_cast<QStringListModel*>(pDlg->findChild<QCompleter*>("bookCompleter")->model())->stringList();
        QCOMPARE(books, (QStringList{"Кн", "Ёж", "Ґн"}));
        TypeAndPressEnter(*pDlg, QStringLiteral("ёж 1:1"));
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("ёж 1:1. ")));
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
        CMessageRecorder recorder;
        CQuoteDlg dlg(nullptr, std::make_unique<CRecordingHotkeys>(), true);
        dlg.show();
        QCOMPARE(PathToQString(dlg.m_session.m_settings.m_strDirectory), root);
        QCOMPARE(dlg.m_comboModules->count(), 1);
        QVERIFY(recorder.m_messages.isEmpty());
        QCOMPARE(LoadSettingsValues(SettingsFileStore().Read()).m_strDirectory,
                 dlg.m_session.m_settings.m_strDirectory);
        dlg.reject();
    }

    void HistoryStaysSortedAndKeepsDuplicates() {
        auto pDlg = OpenWindow({{"ShowDlg", 0}}).m_pDlg;
        for (const QString& reference : QStringList{"Кн 2:1", "Кн 1:1", "Кн 2:1", "кн 1:2"}) {
            pDlg->show();
            TypeAndPressEnter(*pDlg, reference);
        }
        QCOMPARE(History(*pDlg), (QStringList{"Кн 1:1", "кн 1:2", "Кн 2:1", "Кн 2:1"}));
    }

    void ModuleListAndMarkers() {
        auto pDlg = OpenWindow().m_pDlg;
        QCOMPARE(pDlg->m_comboModules->count(), 3);
        QCOMPARE(pDlg->m_comboModules->currentIndex(), 0);
        QCOMPARE(pDlg->m_comboModules->itemText(1), QStringLiteral("Главы и стихи"));
        QCOMPARE(pDlg->m_session.m_markers.m_strChapterSign, std::string("<h4>"));

        // Choosing another module re-reads the markers.
        pDlg->m_comboModules->setCurrentIndex(2);
        emit pDlg->m_comboModules->activated(2);
        QCOMPARE(ToQString(pDlg->m_session.m_markers.m_strChapterSign), QStringLiteral("<глава>"));
        QCOMPARE(ToQString(pDlg->m_session.m_markers.m_strVerseSign), QStringLiteral("<стих>"));
        OnNextModal([](QWidget* pModal) { static_cast<QDialog*>(pModal)->accept(); });
        TypeAndPressEnter(*pDlg, QStringLiteral("Ин 1:1"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Ин 1:1. В начале было Слово,"));
    }

    void AnEmptyRootIsReportedAndLeavesNoSelection() {
        CMessageRecorder recorder;
        auto pDlg = OpenWindow({{"Directory", kDataRoot + "/c_nomodule"}}).m_pDlg;
        QCOMPARE(recorder.m_messages, QStringList{"В каталоге " + kDataRoot + "/c_nomodule модули не были найдены"});
        QCOMPARE(pDlg->m_comboModules->count(), 0);
        QCOMPARE(pDlg->m_comboModules->currentIndex(), -1);
        recorder.m_messages.clear();
        TypeAndPressEnter(*pDlg, QStringLiteral("Кн 1:1"));
        QCOMPARE(recorder.m_messages, (QStringList{kNoBook, kNotFound}));
    }

    // A handful of messages come one box each; of many, the sixth box counts
    // and lists the rest.
    void ManyScanMessagesEndInOneListingBox() {
        for (int nModules : {4, 8}) {  // each unreadable, then "no modules" at the end
            QTemporaryDir root;
            for (int i = 0; i < nModules; ++i) QDir(root.path()).mkpath(QStringLiteral("m%1/orvanel.ini").arg(i));
            CMessageRecorder recorder;
            auto pDlg = OpenWindow({{"Directory", root.path()}}).m_pDlg;
            QCOMPARE(recorder.m_messages.size(), qMin(nModules + 1, 6));
            if (nModules == 8) {
                QVERIFY(recorder.m_messages.last().startsWith(QStringLiteral("Ещё сообщений: 4\n")));
                QCOMPARE(recorder.m_messages.last().count(QLatin1Char('\n')), 4);
            }
        }
    }

    void TheHookSeesEveryEventFromStartToEnd() {
        auto pDlg = OpenWindow().m_pDlg;
        QVERIFY(pDlg->m_pHook != nullptr);
        QVERIFY(FindHookWnd(pDlg.get()) == pDlg->m_pHook);
        QVERIFY(!pDlg->m_pHook->isVisible());
        const long nBefore = pDlg->m_pHook->EventsPassed();
        pDlg->update();
        QTRY_VERIFY(pDlg->m_pHook->EventsPassed() > nBefore);
        pDlg->reject();
        QVERIFY(pDlg->m_pHook == nullptr);
        QVERIFY(FindHookWnd(pDlg.get()) == nullptr);
    }

    // The line below the buttons, for what is typed in a module.
    void ThePreviewLineTellsWhatOkWouldQuote_data() {
        QTest::addColumn<int>("module");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        const QString noBook = QStringLiteral("Нет книги с таким сокращением");
        QTest::newRow("one verse") << 0 << "Ин 2:5"
                                   << "Иоанна 2:5, 1 стих";
        QTest::newRow("3 verses, any case") << 0 << "ин 2:1-3"
                                            << "Иоанна 2:1–3, 3 стиха";
        QTest::newRow("5, en dash") << 0 << "Ин 2:1–5"
                                    << "Иоанна 2:1–5, 5 стихов";
        QTest::newRow("11") << 0 << "Ин 2:1-11"
                            << "Иоанна 2:1–11, 11 стихов";
        QTest::newRow("21") << 0 << "Ин 2:1-21"
                            << "Иоанна 2:1–21, 21 стих";
        QTest::newRow("22") << 0 << "Ин 2:1-22"
                            << "Иоанна 2:1–22, 22 стиха";
        QTest::newRow("last of a chapter") << 0 << "Иоан 1:3"
                                           << "Иоанна 1:3, 1 стих";
        QTest::newRow("chapter, full stop") << 0 << "Ин. 2"
                                            << "Иоанна, глава 2";
        QTest::newRow("two") << 0 << "Ин 1:1; 2:5"
                             << "Иоанна 1:1, 1 стих; Иоанна 2:5, 1 стих";
        QTest::newRow("no chapter") << 0 << "Ин 3"
                                    << "В книге глав: 2";
        QTest::newRow("chapter 0") << 0 << "Ин 0:1"
                                   << "В книге глав: 2";
        QTest::newRow("no verse") << 0 << "Ин 1:4"
                                  << "В главе стихов: 3";
        QTest::newRow("range past the end") << 0 << "Ин 1:2-4"
                                            << "В главе стихов: 3";
        QTest::newRow("backward range") << 0 << "Ин 1:3-2"
                                        << "Искомый отрывок не найден";
        QTest::newRow("no book") << 0 << "Мф 1:1" << noBook;
        QTest::newRow("second fails") << 0 << "Ин 1:1; Мф 1" << noBook;
        QTest::newRow("blank") << 0 << "  "
                               << "";
        QTest::newRow("numbered name line") << 1 << "Кн 1:2-3"
                                            << "Кн 1:2–3, 2 стиха";
        QTest::newRow("missing book file") << 1 << "Нет 1"
                                           << "Искомый отрывок не найден";
    }

    void ThePreviewLineTellsWhatOkWouldQuote() {
        QFETCH(int, module);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QTemporaryDir root;
        WritePreviewModules(root.path());
        auto pDlg = OpenWindow({{"Directory", root.path()}}).m_pDlg;
        pDlg->m_comboModules->setCurrentIndex(module);
        emit pDlg->m_comboModules->activated(module);
        TypeText(pDlg->m_comboVerse->lineEdit(), typed);
        QCOMPARE(pDlg->PreviewText(), line);
    }
};

SORVANTA_QTEST(CQuoteDlgTest)
#include "quotedlg_test.moc"
