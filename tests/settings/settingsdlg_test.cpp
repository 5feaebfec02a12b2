// The settings dialog and the folder picker, driven as a user drives them.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

#include "settings/folderpicker.h"
#include "settings/settingsdlg.h"
#include "support/guifixture.h"
#include "support/qtestrunner.h"
#include "ui/qtext.h"

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

// The main window with the restore hot key "Б", its registrations forgotten.
CWindowUnderTest OpenSettingsWindow() {
    CWindowUnderTest window = OpenWindow({{"hkTray", -63}});
    window.m_pHotkeys->m_arrCalls.clear();
    return window;
}

QPushButton* OkOf(QWidget* pPicker) {
    return Find<QDialogButtonBox>(pPicker, "")->button(QDialogButtonBox::Ok);
}

// Refuses folders whose name starts with "x" and says so in the status line.
class CRefusingPicker : public CFolderPicker {
public:
    bool CheckSelection(const std::string& strPath, QString& strStatusText) override {
        const bool bRefused = QFileInfo(PathToQString(strPath)).fileName().startsWith('x');
        strStatusText = bRefused ? QStringLiteral("Не годится") : QStringLiteral("Годится");
        return !bRefused;
    }
};

void SelectInTree(QWidget* pPicker, const QString& path) {
    auto* pLine = Find<QLineEdit>(pPicker, "pathLine");
    pLine->setText(path);
    emit pLine->returnPressed();
}

}  // namespace

class CSettingsDlgTest : public QObject {
    Q_OBJECT
private slots:
    // The dialog shows the main window's values; "Записать" takes every one,
    // registers the hot keys again and rescans the modules.
    void ShowsTheValuesAndSaveTakesThem() {
        CWindowUnderTest window = OpenSettingsWindow();
        CQuoteDlg& dlg = *window.m_pDlg;
        dlg.m_session.m_settings.m_chHotkeyLaunch = '\0';
        const QString other = kDataRoot + "/../root";
        OnNextModal([&](QWidget* pModal) {
            QCOMPARE(pModal->windowTitle(), QStringLiteral("Настройки"));
            QCOMPARE(Find<QLabel>(pModal, "labelLaunch")->text(),
                     QStringLiteral("\"Горячая\" клавиша для запуска \"Orvanel\""));
            QCOMPARE(pModal->focusWidget(), Find<QPushButton>(pModal, "buttonSave"));
            auto* pDirectory = Find<QLineEdit>(pModal, "editDirectory");
            QVERIFY(pDirectory->isReadOnly());
            QCOMPARE(pDirectory->text(), kDataRoot);
            QCOMPARE(Find<QLineEdit>(pModal, "editHotkeyLaunch")->text(), QString());  // the character 0
            QCOMPARE(Find<QLineEdit>(pModal, "editHotkeyRestore")->text(), QStringLiteral("Б"));
            QStringList ticked;
            for (QCheckBox* pBox : pModal->findChildren<QCheckBox*>())
                if (pBox->isChecked()) ticked << pBox->objectName();
            ticked.sort();
            QCOMPARE(ticked, (QStringList{"checkHtml", "checkShowDlg", "checkVerseNumbers"}));

            pDirectory->setText(other);  // as the picker would
            Find<QCheckBox>(pModal, "checkTrayDef")->setChecked(true);
            Find<QCheckBox>(pModal, "checkShowDlg")->setChecked(false);
            Find<QLineEdit>(pModal, "editHotkeyLaunch")->setText(QStringLiteral("ж"));
            Find<QLineEdit>(pModal, "editHotkeyRestore")->clear();
            Find<QComboBox>(pModal, "comboFormat")->setCurrentIndex(1);
            Find<QCheckBox>(pModal, "checkJoinLines")->setChecked(true);
            Find<QCheckBox>(pModal, "checkHtml")->setChecked(false);
            QVERIFY(!Find<QCheckBox>(pModal, "checkKeepStrong")->isChecked());
            Find<QCheckBox>(pModal, "checkKeepStrong")->setChecked(true);
            QTest::mouseClick(Find<QPushButton>(pModal, "buttonSave"), Qt::LeftButton);
        });
        dlg.m_comboModules->setCurrentIndex(2);
        dlg.OnSettings();
        const CSettingsValues& values = dlg.m_session.m_settings;
        QCOMPARE(PathToQString(values.m_strDirectory), other);
        QVERIFY(values.m_bTrayDef == 1 && values.m_bShowDlg == 0);
        QCOMPARE(values.m_chHotkeyLaunch, '\xE6');  // "ж" in code page 1251
        QCOMPARE(values.m_chHotkeyRestore, '\0');
        const CQuotationValues& quotation = dlg.m_session.m_quotation;
        QVERIFY(quotation.m_style.m_format == CCitationFormat::ReferenceLast);
        QVERIFY(quotation.m_style.m_bVerseNumbers && quotation.m_style.m_bJoinLines && quotation.m_bHtml == 0);
        QVERIFY(quotation.m_passage.m_bKeepStrongNumbers);
        QCOMPARE(window.m_pHotkeys->m_arrCalls, (std::vector<std::string>{"unregister 1", "register 1", "unregister 2",
                                                                          "register 2", "unregister 3"}));
        QCOMPARE(window.m_pHotkeys->m_arrRegistered.back(),
                 CRecordingHotkeys::Registration(kHotkeyRestore, kModWin, '\0'));
        QCOMPARE(dlg.m_comboModules->currentIndex(), 0);  // rescanned: the first module again
        QCOMPARE(dlg.m_session.m_catalogue.m_arrModuleIni.front(), PathFromQString(other) + "/a_kn/orvanel.ini");
    }

    // Beside each hot-key field, while it is typed: why that combination
    // cannot be had. Pasting into other programs' windows is not offered
    // where it cannot be done (here: no display).
    void AHotkeyThatCannotBeHadIsShownBesideItsField() {
        CWindowUnderTest window = OpenSettingsWindow();
        window.m_pHotkeys->m_probeAnswers = {{'B', HotkeyStatus::Taken}, {'#', HotkeyStatus::NoKey}};
        OnNextModal([](QWidget* pModal) {
            auto* pLaunch = Find<QLabel>(pModal, "labelLaunchStatus");
            auto* pRestore = Find<QLabel>(pModal, "labelRestoreStatus");
            QCOMPARE(pLaunch->text(), QStringLiteral("Занято другой программой"));
            QCOMPARE(pRestore->text(), QString());
            Find<QLineEdit>(pModal, "editHotkeyRestore")->setText(QStringLiteral("#"));
            QCOMPARE(pRestore->text(), QStringLiteral("Нет такой клавиши"));
            Find<QLineEdit>(pModal, "editHotkeyLaunch")->setText(QStringLiteral("Q"));
            QCOMPARE(pLaunch->text(), QString());
            auto* pPaste = Find<QCheckBox>(pModal, "checkPasteIntoDocument");
            QVERIFY(!pPaste->isEnabled() && !pPaste->toolTip().isEmpty());
            static_cast<QDialog*>(pModal)->reject();
        });
        window.m_pDlg->OnSettings();
    }

    void CancelAndEscapeChangeNothing() {
        CWindowUnderTest window = OpenSettingsWindow();
        CQuoteDlg& dlg = *window.m_pDlg;
        dlg.m_comboModules->setCurrentIndex(1);
        enum { Click, Escape, EnterOnFocusedCancel };
        for (int nWay : {Click, Escape, EnterOnFocusedCancel}) {
            OnNextModal([nWay](QWidget* pModal) {
                Find<QCheckBox>(pModal, "checkTrayDef")->setChecked(true);
                Find<QLineEdit>(pModal, "editHotkeyLaunch")->setText(QStringLiteral("q"));
                auto* pCancel = Find<QPushButton>(pModal, "buttonCancel");
                if (nWay == Click) QTest::mouseClick(pCancel, Qt::LeftButton);
                if (nWay == Escape) QTest::keyClick(pModal, Qt::Key_Escape);
                if (nWay == EnterOnFocusedCancel) {
                    pCancel->setFocus();
                    QTest::keyClick(pCancel, Qt::Key_Return);
                }
            });
            dlg.OnSettings();
            QCOMPARE(dlg.m_session.m_settings.m_bTrayDef, 0);
            QCOMPARE(dlg.m_session.m_settings.m_chHotkeyLaunch, 'B');
            QVERIFY(window.m_pHotkeys->m_arrCalls.empty());
            QCOMPARE(dlg.m_comboModules->currentIndex(), 1);  // not rescanned
        }
    }

    void AHotkeyFieldOfTwoCharactersIsRefusedAndTheDialogStays() {
        CWindowUnderTest window = OpenSettingsWindow();
        CMessageRecorder recorder;
        bool bStillOpen = false;
        OnNextModal([&](QWidget* pModal) {
            auto* pField = Find<QLineEdit>(pModal, "editHotkeyRestore");
            pField->setMaxLength(5);  // a longer text cannot be typed; make one arise
            pField->setText(QStringLiteral("ab"));
            QTest::mouseClick(Find<QPushButton>(pModal, "buttonSave"), Qt::LeftButton);
            bStillOpen = pModal->isVisible();
            pField->setText(QStringLiteral("b"));
            QTest::mouseClick(Find<QPushButton>(pModal, "buttonSave"), Qt::LeftButton);
        });
        window.m_pDlg->OnSettings();
        QVERIFY(bStillOpen);
        QCOMPARE(recorder.m_messages, QStringList{"Введите не более одного символа."});
        QCOMPARE(window.m_pDlg->m_session.m_settings.m_chHotkeyRestore, 'b');
    }

    // "Обзор" keeps the other edits; the picker's Cancel keeps the field.
    void BrowseKeepsOtherEditsAndCancelKeepsTheField() {
        CWindowUnderTest window = OpenSettingsWindow();
        const QString chosen = kDataRoot + "/b_glava";
        QStringList fields;
        OnNextModal([&](QWidget* pSettings) {
            Find<QCheckBox>(pSettings, "checkTrayDef")->setChecked(true);
            for (bool bChoose : {false, true}) {
                OnNextModal([&, bChoose](QWidget* pPicker) {
                    QCOMPARE(pPicker->windowTitle(), QStringLiteral("Выберите каталог"));
                    QCOMPARE(Find<QLabel>(pPicker, "titleLine")->text(), QStringLiteral(" "));
                    QVERIFY(!Find<QLabel>(pPicker, "statusLine")->isVisibleTo(pPicker));
                    if (!bChoose) return static_cast<QDialog*>(pPicker)->reject();
                    SelectInTree(pPicker, chosen);
                    QTest::mouseClick(OkOf(pPicker), Qt::LeftButton);
                });
                QTest::mouseClick(Find<QPushButton>(pSettings, "buttonBrowse"), Qt::LeftButton);
                fields << Find<QLineEdit>(pSettings, "editDirectory")->text();
            }
            QVERIFY(Find<QCheckBox>(pSettings, "checkTrayDef")->isChecked());
            static_cast<QDialog*>(pSettings)->reject();
        });
        window.m_pDlg->OnSettings();
        QCOMPARE(fields, (QStringList{kDataRoot, QFileInfo(chosen).absoluteFilePath()}));
    }

    // The root is shown, the initial folder preselected (its trailing blank
    // and separator dropped), the check's status shown and heeded.
    void PickerRootPreselectionStatusAndCheck() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("good/inner");
        QDir(dir.path()).mkpath("xbad");
        CRefusingPicker picker;
        picker.m_strRoot = PathFromQString(dir.path());
        picker.m_strInitialFolder = PathFromQString(dir.path() + "/good/ \t");
        picker.m_bStatusText = 1;
        picker.m_nImage = 7;
        QStringList seen;
        OnNextModal([&](QWidget* pPicker) {
            QCOMPARE(Find<QLabel>(pPicker, "titleLine")->text(), QStringLiteral("Open"));
            QVERIFY(Find<QTreeView>(pPicker, "folderTree")->rootIndex().isValid());
            seen << Find<QLineEdit>(pPicker, "pathLine")->text() << Find<QLabel>(pPicker, "statusLine")->text();
            QVERIFY(OkOf(pPicker)->isEnabled());
            SelectInTree(pPicker, dir.path() + "/xbad");
            seen << Find<QLabel>(pPicker, "statusLine")->text();
            QVERIFY(!OkOf(pPicker)->isEnabled());
            static_cast<QDialog*>(pPicker)->reject();
        });
        QVERIFY(!picker.Browse(nullptr));
        QCOMPARE(picker.m_strInitialFolder, PathFromQString(dir.path() + "/good"));
        QCOMPARE(seen, (QStringList{dir.path() + "/good", "Годится", "Не годится"}));
        QCOMPARE(picker.m_nImage, 7);  // cancelling leaves it
    }

    // A typed path that is no folder is refused with a message, never
    // replaced by the folder selected in the tree; hidden folders are listed;
    // a root that is not there opens no window at all.
    void PickerRefusesWhatIsNoFolder() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(".wine/drive_c");
        CFolderPicker picker;
        picker.m_strRoot = PathFromQString(dir.path());
        picker.m_strInitialFolder = PathFromQString(dir.path() + "/.wine");
        CMessageRecorder recorder;
        bool bStayedOpen = false;
        OnNextModal([&](QWidget* pPicker) {
            QVERIFY(OkOf(pPicker)->isEnabled());  // the hidden folder is there and selected
            SelectInTree(pPicker, dir.path() + "/missing");
            bStayedOpen = pPicker->isVisible();
            SelectInTree(pPicker, dir.path() + "/.wine/drive_c");
        });
        QVERIFY(picker.Browse(nullptr));
        QVERIFY(bStayedOpen);
        QCOMPARE(recorder.m_messages, QStringList{"Папка «" + dir.path() + "/missing» не найдена."});
        QCOMPARE(picker.m_strPath, PathFromQString(dir.path() + "/.wine/drive_c"));

        picker.m_strRoot = "/nonexistent/sorvanta";
        bool bOpened = false;
        OnNextModal([&](QWidget* pModal) {
            bOpened = true;
            static_cast<QDialog*>(pModal)->reject();
        });
        QVERIFY(!picker.Browse(nullptr));
        QCoreApplication::processEvents();
        QVERIFY(!bOpened);
    }

    void InitialFolderLosesTrailingBlankAndOneSeparator() {
        const std::pair<std::string, std::string> cases[] = {
            {"/home/u/Docs/ ", "/home/u/Docs"},
            {"/home/u/Docs//", "/home/u/Docs/"},
            {"/home/u/Docs", "/home/u/Docs"},
            {"/", "/"},
            {"/ \t", "/"},
        };
        for (const auto& [given, trimmed] : cases) QCOMPARE(TrimInitialFolder(given), trimmed);
    }
};

SORVANTA_QTEST(CSettingsDlgTest)
#include "settingsdlg_test.moc"
