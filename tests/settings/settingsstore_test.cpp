// When the main window reads and writes its profile file, and what it does
// with files that it did not write itself. What a profile's values mean is
// the session's and the profile's (tests/session, tests/profile).
#include "settings/settingsstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <atomic>
#include <filesystem>
#include <thread>

#include "profile/profilefile.h"
#include "support/guifixture.h"
#include "support/qtestrunner.h"
#include "ui/qtext.h"

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

CSettingsValues SavedValues() {
    return LoadSettingsValues(ReadProfileFile(SettingsProfilePath()).m_profile);
}

void ExpectWarning(const char* pattern) {
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString::fromLatin1(pattern)));
}

}  // namespace

class CSettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    // Loaded at start (the hot keys registered from it), kept at once after
    // "Записать", the quote window's check box and each lookup, and again
    // when the window closes; a profile that cannot be written is left alone
    // and the person told, the settings holding until the program ends.
    void TheWindowLoadsAtStartAndSavesAtEachChange() {
        CWindowUnderTest window = OpenWindow({{"ShowDlg", 7}, {"hkTray", -63}});
        CQuoteDlg& dlg = *window.m_pDlg;
        QCOMPARE(dlg.m_session.m_settings.m_bShowDlg, 7);  // a loaded flag is used as it stands
        QCOMPARE(window.m_pHotkeys->m_arrRegistered,
                 (std::vector<CRecordingHotkeys::Registration>{{kHotkeyLaunch, kModAlt | kModControl, 'B'},
                                                               {kHotkeyRestore, kModWin, '\xC1'}}));
        const auto save = [&dlg](bool bTrayDef) {
            OnNextModal([bTrayDef](QWidget* pSettings) {
                Find<QCheckBox>(pSettings, "checkTrayDef")->setChecked(bTrayDef);
                QTest::mouseClick(Find<QPushButton>(pSettings, "buttonSave"), Qt::LeftButton);
            });
            dlg.OnSettings();
        };
        save(true);
        QCOMPARE(SavedValues().m_bTrayDef, 1);

        std::vector<std::string> arrSavedHistory;
        OnNextModal([&](QWidget* pQuote) {
            arrSavedHistory = LoadHistory(ReadProfileFile(SettingsProfilePath()).m_profile);
            Find<QCheckBox>(pQuote, "checkDontShow")->setChecked(true);
            QTest::mouseClick(Find<QPushButton>(pQuote, "buttonCopy"), Qt::LeftButton);
        });
        TypeAndPressEnter(dlg, QStringLiteral("Кн 1:1"));
        QCOMPARE(arrSavedHistory, std::vector<std::string>{"Кн 1:1"});  // before the quote window closed
        QCOMPARE(SavedValues().m_bShowDlg, 0);

        chmod(SettingsProfilePath().c_str(), 0444);
        ExpectWarning("could not be written.*read-only");
        CMessageRecorder recorder;
        save(false);
        QCOMPARE(recorder.m_messages,
                 QStringList{"Не удалось сохранить настройки в «" + PathToQString(SettingsProfilePath()) + "»."});
        QCOMPARE(dlg.m_session.m_settings.m_bTrayDef, 0);
        QCOMPARE(SavedValues().m_bTrayDef, 1);
        chmod(SettingsProfilePath().c_str(), 0600);

        dlg.m_session.m_settings.m_strDirectory = "/elsewhere";
        dlg.reject();  // "Выход"
        QCOMPARE(SavedValues().m_strDirectory, std::string("/elsewhere"));
    }

    // A profile file an earlier version wrote through the toolkit reads the same.
    void AProfileOfEarlierVersionsLoads() {
        ResetProfile({});
        QSettings earlier;
        earlier.setValue("Settings/Directory", QStringLiteral("/модули, \"Orvanel\"; @1"));
        earlier.setValue("Settings/ShowDlg", 0);
        earlier.setValue("Settings/hkOrvanel", -63);
        earlier.setValue("Settings/hkTray", 322);
        earlier.sync();
        const CSettingsValues loaded = LoadSettingsValues(SettingsFileStore().Read());
        QCOMPARE(loaded.m_strDirectory, std::string("/модули, \"Orvanel\"; @1"));
        QCOMPARE(loaded.m_bShowDlg, 0);
        QCOMPARE(loaded.m_chHotkeyLaunch, '\xC1');
        QCOMPARE(loaded.m_chHotkeyRestore, 'B');
    }

    void ABrokenProfileIsKeptAsideAndTheDefaultsUsed() {
        ResetProfile({});
        WriteFileAtomically(SettingsProfilePath(), std::string("[Settings]\nShowDlg=0\n\0\0\0\0", 24));
        ExpectWarning("cannot be parsed; it is kept as");
        QCOMPARE(LoadSettingsValues(SettingsFileStore().Read()).m_bShowDlg, 1);
        QVERIFY(!std::filesystem::exists(SettingsProfilePath()));
    }

    void AFifoProfileNeitherHoldsTheProgramNorIsReplaced() {
        ResetProfile({});
        const std::string strPath = SettingsProfilePath();
        std::filesystem::remove(strPath);
        QCOMPARE(mkfifo(strPath.c_str(), 0600), 0);
        // Should the store wait at the pipe, the guard opens its other end
        // after 10 s and every 100 ms from then on: the wait ends, the test fails.
        std::atomic<bool> bClosed = false, bHeld = false;
        std::thread guard([&] {
            for (int nTick = 1; !bClosed; ++nTick) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                const int fd = nTick < 100 ? -1 : ::open(strPath.c_str(), O_WRONLY | O_NONBLOCK);
                bHeld = bHeld || fd >= 0;
                if (fd >= 0) ::close(fd);
            }
        });
        for (int nAccess = 0; nAccess < 2; ++nAccess) ExpectWarning("is not a regular file");
        QCOMPARE(LoadSettingsValues(SettingsFileStore().Read()).m_bShowDlg, 1);
        QVERIFY(!SettingsFileStore().Update([](CProfile&) {}));
        bClosed = true;
        guard.join();
        QVERIFY(!bHeld);
        QVERIFY(std::filesystem::is_fifo(strPath));
        std::filesystem::remove(strPath);
    }
};

SORVANTA_QTEST(CSettingsStoreTest)
#include "settingsstore_test.moc"
