// When the main window reads and writes the profile, and what it does with
// profiles that it did not write itself.
#include "settings/settingsstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "cli/profile.h"
#include "profile/profilefile.h"
#include "settings/settingsmessages.h"
#include "support/guifixture.h"
#include "support/qtestrunner.h"
#include "support/tempdir.h"
#include "ui/qtext.h"

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

CSettingsValues SavedValues() {
    return LoadSettingsValues(ReadProfileFile(SettingsProfilePath()).m_profile);
}

// The main window on the profile as it stands, shown, then closed with "Выход".
template <typename Check>
void RunWindow(Check check) {
    CMessageRecorder recorder;  // a module root that is not there is reported
    CQuoteDlg dlg(nullptr, std::make_unique<CRecordingHotkeys>(), true);
    dlg.show();
    check(dlg);
    dlg.reject();
}

}  // namespace

class CSettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void TheWindowLoadsAtStartAndSavesWhenItCloses() {
        ResetProfile({{"Directory", kDataRoot}, {"ShowDlg", 7}, {"hkTray", -63}});
        auto pHotkeys = std::make_unique<CRecordingHotkeys>();
        CRecordingHotkeys* pRecorder = pHotkeys.get();
        CQuoteDlg dlg(nullptr, std::move(pHotkeys), true);
        dlg.show();
        QCOMPARE(dlg.m_session.m_settings.m_bShowDlg, 7);  // a loaded flag is used as it stands
        QCOMPARE(dlg.m_session.m_settings.m_chHotkeyRestore, '\xC1');
        QCOMPARE(pRecorder->m_arrRegistered,
                 (std::vector<CRecordingHotkeys::Registration>{{kHotkeyLaunch, kModAlt | kModControl, 'B'},
                                                               {kHotkeyRestore, kModWin, '\xC1'}}));

        dlg.m_session.m_settings.m_bShowDlg = 0;
        dlg.m_session.m_settings.m_strDirectory = "/elsewhere";
        QCOMPARE(SavedValues().m_bShowDlg, 7);  // not yet
        dlg.reject();                           // "Выход"
        const CSettingsValues saved = SavedValues();
        QCOMPARE(saved.m_bShowDlg, 0);
        QCOMPARE(saved.m_strDirectory, std::string("/elsewhere"));
        QCOMPARE(saved.m_bTrayDef, 0);
        QCOMPARE(saved.m_chHotkeyLaunch, 'B');
        QCOMPARE(saved.m_chHotkeyRestore, '\xC1');
    }

    // Settings after "Записать" and the quote window's check box, the history
    // after each lookup: a program killed later keeps them.
    void SettingsAndHistoryAreWrittenAtOnce() {
        CWindowUnderTest window = OpenWindow();
        OnNextModal([](QWidget* pSettings) {
            pSettings->findChild<QCheckBox*>("checkTrayDef")->setChecked(true);
            QTest::mouseClick(pSettings->findChild<QPushButton*>("buttonSave"), Qt::LeftButton);
        });
        window.m_pDlg->OnSettings();
        QCOMPARE(SavedValues().m_bTrayDef, 1);

        std::vector<std::string> arrSavedHistory;
        OnNextModal([&](QWidget* pQuote) {
            arrSavedHistory = LoadHistory(ReadProfileFile(SettingsProfilePath()).m_profile);
            pQuote->findChild<QCheckBox*>("checkDontShow")->setChecked(true);
            QTest::mouseClick(pQuote->findChild<QPushButton*>("buttonCopy"), Qt::LeftButton);
        });
        window.m_pDlg->m_comboVerse->setEditText(QStringLiteral("Кн 1:1"));
        window.m_pDlg->OnOK();
        QCOMPARE(arrSavedHistory, std::vector<std::string>{"Кн 1:1"});  // before the quote window closed
        QCOMPARE(SavedValues().m_bShowDlg, 0);

        // A reference too long for the history is found but not kept.
        CMessageRecorder recorder;
        window.m_pDlg->m_comboVerse->setEditText(QStringLiteral("Кн 1:1") + QString(kMaxHistoryEntry, ' '));
        window.m_pDlg->OnOK();
        QCOMPARE(recorder.m_messages, QStringList{});
        QCOMPARE(window.m_pDlg->m_session.m_arrHistory, std::vector<std::string>{"Кн 1:1"});

        // A profile that cannot be written is left alone and the person told;
        // the settings hold until the program ends.
        chmod(SettingsProfilePath().c_str(), 0444);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not be written.*read-only")));
        OnNextModal([](QWidget* pSettings) {
            pSettings->findChild<QCheckBox*>("checkTrayDef")->setChecked(false);
            QTest::mouseClick(pSettings->findChild<QPushButton*>("buttonSave"), Qt::LeftButton);
        });
        window.m_pDlg->OnSettings();
        QCOMPARE(
            recorder.m_messages,
            QStringList{
                QStringLiteral("Не удалось сохранить настройки в «%1».").arg(PathToQString(SettingsProfilePath()))});
        QCOMPARE(window.m_pDlg->m_session.m_settings.m_bTrayDef, 0);
        QCOMPARE(SavedValues().m_bTrayDef, 1);
        chmod(SettingsProfilePath().c_str(), 0600);
    }

    // The references typed last across a restart (the newest 100, sorted in
    // the list), the quotation settings beside them, and clearing the history.
    void HistoryAndQuotationSettingsLastAcrossStarts() {
        std::string strText =
            "[Settings]\nDirectory=/none\n[Quotation]\nFormat=quoted\nJoinLines=1\nHtml=maybe\nPasteIntoDocument=1\n"
            "[History]\n";
        for (int i = 0; i <= 100; ++i)
            strText += std::to_string(i) + "=Kn " + std::to_string(i % 7) + ":" + std::to_string(i) + "\n";
        ResetProfile({});
        WriteFileAtomically(SettingsProfilePath(), strText);
        RunWindow([](CQuoteDlg& dlg) {
            QCOMPARE(dlg.m_comboVerse->count(), 100);
            QCOMPARE(dlg.m_comboVerse->itemText(0), QStringLiteral("Kn 0:14"));  // "Kn 0:0" was the oldest
            QVERIFY(dlg.m_session.m_quotation.m_style.m_format == CCitationFormat::Quoted);
            QVERIFY(dlg.m_session.m_quotation.m_style.m_bJoinLines &&
                    dlg.m_session.m_quotation.m_style.m_bVerseNumbers);
            QCOMPARE(dlg.m_session.m_quotation.m_bHtml, 1);  // not understood: the default
            QCOMPARE(dlg.m_session.m_quotation.m_bPasteIntoDocument, 1);
        });
        RunWindow([](CQuoteDlg& dlg) {
            QCOMPARE(dlg.m_comboVerse->count(), 100);
            dlg.ClearHistory();
        });
        RunWindow([](CQuoteDlg& dlg) { QCOMPARE(dlg.m_comboVerse->count(), 0); });
        QVERIFY(FileContents(SettingsProfilePath()).find("Format=quoted") != std::string::npos);
        QVERIFY(FileContents(SettingsProfilePath()).find("PasteIntoDocument=1") != std::string::npos);
    }

    void HandWrittenValuesAndOtherGroupsAreWrittenBackAsRead() {
        const std::pair<std::string, std::string> cases[] = {
            {"[Settings]\nDirectory=/a,b\nTrayDef=0\nShowDlg=1\nhkOrvanel=66\nhkTray=66\n", "/a,b"},
            {"; by hand\n\n[Settings]\nDirectory=/\xff\xfe, \"x\"\nTrayDef=0\nShowDlg=1\nhkOrvanel=66\nhkTray=66\n\n"
             "[History]\n1=a, b\n",
             "/\xff\xfe, x"},
            // Neither a root never chosen nor entries outside code page 1251 change.
            {"[Settings]\nTrayDef=0\nShowDlg=1\nhkOrvanel=66\nhkTray=66\n\n"
             "[History]\n1=\xce\x99\xcf\x89 3:16\n2=\xf0\x9f\x98\x80\n3=\xff\xfe\n",
             ""},
        };
        for (const auto& [strText, strDirectory] : cases) {
            ResetProfile({});
            WriteFileAtomically(SettingsProfilePath(), strText);
            RunWindow([&](CQuoteDlg& dlg) { QCOMPARE(dlg.m_session.m_settings.m_strDirectory, strDirectory); });
            QCOMPARE(FileContents(SettingsProfilePath()), strText);
            // as the command-line tool reads it
            QCOMPARE(ReadProfileDirectory(SettingsProfilePath()).value_or(""), strDirectory);
        }
    }

    void AProfileOfEarlierVersionsLoads() {
        ResetProfile({});
        const QVariantMap values{{"Directory", QStringLiteral("/модули, \"Orvanel\"; @1")},
                                 {"TrayDef", 1},
                                 {"ShowDlg", 0},
                                 {"hkOrvanel", -63},
                                 {"hkTray", 322}};
        QSettings earlier;
        for (auto it = values.begin(); it != values.end(); ++it) earlier.setValue("Settings/" + it.key(), it.value());
        earlier.sync();
        RunWindow([](CQuoteDlg& dlg) {
            QCOMPARE(dlg.m_session.m_settings.m_strDirectory, std::string("/модули, \"Orvanel\"; @1"));
            QCOMPARE(dlg.m_session.m_settings.m_bTrayDef, 1);
            QCOMPARE(dlg.m_session.m_settings.m_bShowDlg, 0);
            QCOMPARE(dlg.m_session.m_settings.m_chHotkeyLaunch, '\xC1');
            QCOMPARE(dlg.m_session.m_settings.m_chHotkeyRestore, 'B');
        });
    }

    void ABrokenProfileIsKeptAsideAndTheDefaultsUsed() {
        std::filesystem::remove_all(std::filesystem::path(SettingsProfilePath()).parent_path());
        const std::string strBroken("[Settings]\nShowDlg=0\n\0\0\0\0", 24);
        WriteFileAtomically(SettingsProfilePath(), strBroken);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot be parsed; it is kept as")));
        RunWindow([](CQuoteDlg& dlg) { QCOMPARE(dlg.m_session.m_settings.m_bShowDlg, 1); });

        std::vector<std::string> arrAside;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(SettingsProfilePath()).parent_path())) {
            if (entry.path().filename().string().starts_with("sorvanta.conf.broken-")) arrAside.push_back(entry.path());
        }
        QCOMPARE(arrAside.size(), std::size_t{1});
        QCOMPARE(FileContents(arrAside.front()), strBroken);
        QCOMPARE(SavedValues().m_bShowDlg, 1);
    }

    void AFifoProfileNeitherHoldsTheWindowNorIsReplaced() {
        ResetProfile({});
        const std::string strPath = SettingsProfilePath();
        std::filesystem::remove(strPath);
        QCOMPARE(mkfifo(strPath.c_str(), 0600), 0);
        // Should the window wait at the pipe, the guard opens its other end
        // after 10 s and every 100 ms from then on: the wait ends, the test fails.
        std::atomic<bool> bClosed = false;
        std::atomic<bool> bHeld = false;
        std::thread guard([&] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (!bClosed) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                if (std::chrono::steady_clock::now() < deadline) continue;
                const int fd = ::open(strPath.c_str(), O_WRONLY | O_NONBLOCK);
                bHeld = bHeld || fd >= 0;
                if (fd >= 0) ::close(fd);
            }
        });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is not a regular file")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is not a regular file")));
        RunWindow([](CQuoteDlg& dlg) { QCOMPARE(dlg.m_session.m_settings.m_bShowDlg, 1); });
        bClosed = true;
        guard.join();
        QVERIFY(!bHeld);
        QVERIFY(std::filesystem::is_fifo(strPath));
        std::filesystem::remove(strPath);
    }
};

SORVANTA_QTEST(CSettingsStoreTest)
#include "settingsstore_test.moc"
