// The five settings: defaults, the byte rule of the hot-key characters, and
// when the main window reads and writes them.
#include <QComboBox>
#include <QtTest>

#include "app/quotedlg.h"
#include "settings/settingsstore.h"
#include "support/guifixture.h"
#include "support/recordinghotkeys.h"

using namespace sorvanta;
using namespace sorvanta::test;

class CSettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void AbsentValuesGiveTheDefaults() {
        ResetProfile({});
        QSettings profile;
        const CSettingsValues values = LoadSettingsValues(profile);
        QCOMPARE(values.m_strDirectory, std::string());
        QCOMPARE(values.m_bTrayDef, 0);
        QCOMPARE(values.m_bShowDlg, 1);
        QCOMPARE(values.m_chHotkeyLaunch, 'B');
        QCOMPARE(values.m_chHotkeyRestore, 'B');
    }

    void HotkeyCharactersFollowTheByteRule() {
        const std::pair<int, char> loads[] = {{66, 'B'}, {-63, '\xC1'}, {322, 'B'}, {0, '\0'}, {-1, '\xFF'}, {255, '\xFF'}};
        for (const auto& [stored, ch] : loads) {
            ResetProfile({{"hkOrvanel", stored}, {"hkTray", stored}});
            QSettings profile;
            QCOMPARE(LoadSettingsValues(profile).m_chHotkeyLaunch, ch);
            QCOMPARE(LoadSettingsValues(profile).m_chHotkeyRestore, ch);
        }
        const std::pair<char, int> saves[] = {{'B', 66}, {'\xC1', -63}, {'\0', 0}, {'\x7F', 127}, {'\x80', -128}};
        for (const auto& [ch, stored] : saves) QCOMPARE(ProfileIntOfChar(ch), stored);
    }

    void EveryValueIsWrittenOnEverySaveAndReadBack() {
        ResetProfile({});
        {
            QSettings profile;
            SaveSettingsValues(profile, CSettingsValues{"/модули/Orvanel", 1, 0, '\xC1', '\0'});
        }
        QSettings profile;
        QCOMPARE(profile.value("Settings/hkOrvanel").toInt(), -63);
        QCOMPARE(profile.value("Settings/hkTray").toInt(), 0);
        const CSettingsValues values = LoadSettingsValues(profile);
        QCOMPARE(values.m_strDirectory, std::string("/модули/Orvanel"));
        QCOMPARE(values.m_bTrayDef, 1);
        QCOMPARE(values.m_bShowDlg, 0);
        QCOMPARE(values.m_chHotkeyLaunch, '\xC1');
        QCOMPARE(values.m_chHotkeyRestore, '\0');

        SaveSettingsValues(profile, CSettingsValues{});  // an empty directory stays a value
        QVERIFY(profile.contains("Settings/Directory"));
        QCOMPARE(profile.value("Settings/Directory").toString(), QString());
    }

    void TheWindowLoadsAtStartAndSavesOnlyWhenItCloses() {
        ResetProfile({{"Directory", kDataRoot}, {"ShowDlg", 7}, {"hkTray", -63}});
        auto pHotkeys = std::make_unique<CRecordingHotkeys>();
        CRecordingHotkeys* pRecorder = pHotkeys.get();
        CQuoteDlg dlg(nullptr, std::move(pHotkeys), true);
        dlg.show();
        QCOMPARE(dlg.m_bShowDlg, 7);  // a loaded flag is used as it stands
        QCOMPARE(dlg.m_chHotkeyRestore, '\xC1');
        QCOMPARE(pRecorder->m_arrRegistered,
                 (std::vector<CRecordingHotkeys::Registration>{{kHotkeyLaunch, kModAlt | kModControl, 'B'},
                                                               {kHotkeyRestore, kModWin, '\xC1'}}));

        dlg.m_bShowDlg = 0;
        dlg.m_strDirectory = "/elsewhere";
        QCOMPARE(QSettings().value("Settings/ShowDlg").toInt(), 7);  // not yet
        dlg.reject();  // "Выход"
        QSettings profile;
        QCOMPARE(profile.value("Settings/ShowDlg").toInt(), 0);
        QCOMPARE(profile.value("Settings/Directory").toString(), QStringLiteral("/elsewhere"));
        QCOMPARE(profile.value("Settings/TrayDef").toInt(), 0);
        QCOMPARE(profile.value("Settings/hkOrvanel").toInt(), 66);
        QCOMPARE(profile.value("Settings/hkTray").toInt(), -63);
    }
};

QTEST_MAIN(CSettingsStoreTest)
#include "settingsstore_test.moc"
