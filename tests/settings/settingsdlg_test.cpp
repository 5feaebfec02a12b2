// The settings dialog and the folder picker, driven as a user drives them.
// What the values mean is the session's (tests/session); here, the wiring.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
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

void Click(QWidget* pDialog, const char* button) {
    QTest::mouseClick(Find<QPushButton>(pDialog, button), Qt::LeftButton);
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
            for (const char* box : {"checkTrayDef", "checkShowDlg", "checkJoinLines", "checkHtml", "checkKeepStrong"})
                Find<QCheckBox>(pModal, box)->toggle();
            Find<QLineEdit>(pModal, "editHotkeyLaunch")->setText(QStringLiteral("ж"));
            Find<QLineEdit>(pModal, "editHotkeyRestore")->clear();
            Find<QComboBox>(pModal, "comboFormat")->setCurrentIndex(1);
            Click(pModal, "buttonSave");
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
        QCOMPARE(dlg.m_comboModules->currentIndex(), 0);  // rescanned: the first module again
        QCOMPARE(dlg.m_session.m_catalogue.m_arrModuleIni.front(), PathFromQString(other) + "/a_kn/orvanel.ini");
    }

    // Beside each hot-key field, while it is typed: why that combination
    // cannot be had; two characters are refused on "Записать", the dialog
    // staying. Pasting into other programs' windows is not offered where it
    // cannot be done (here: no display).
    void HotkeyFieldsAndPasteSwitch() {
        CWindowUnderTest window = OpenSettingsWindow();
        window.m_pHotkeys->m_probeAnswers = {{{kModAlt | kModControl, 'B'}, HotkeyStatus::Taken},
                                             {{kModWin, '#'}, HotkeyStatus::NoKey}};
        CMessageRecorder recorder;
        bool bStillOpen = false;
        OnNextModal([&](QWidget* pModal) {
            auto* pLaunch = Find<QLabel>(pModal, "labelLaunchStatus");
            auto* pRestore = Find<QLabel>(pModal, "labelRestoreStatus");
            QCOMPARE(pLaunch->text(), QStringLiteral("Занято другой программой"));
            QCOMPARE(pRestore->text(), QString());
            auto* pField = Find<QLineEdit>(pModal, "editHotkeyRestore");
            pField->setText(QStringLiteral("#"));
            QCOMPARE(pRestore->text(), QStringLiteral("Нет такой клавиши"));
            Find<QLineEdit>(pModal, "editHotkeyLaunch")->setText(QStringLiteral("Q"));
            QCOMPARE(pLaunch->text(), QString());
            auto* pPaste = Find<QCheckBox>(pModal, "checkPasteIntoDocument");
            QVERIFY(!pPaste->isEnabled() && !pPaste->toolTip().isEmpty());
            pField->setMaxLength(5);  // a longer text cannot be typed; make one arise
            pField->setText(QStringLiteral("ab"));
            Click(pModal, "buttonSave");
            bStillOpen = pModal->isVisible();
            pField->setText(QStringLiteral("b"));
            Click(pModal, "buttonSave");
        });
        window.m_pDlg->OnSettings();
        QVERIFY(bStillOpen);
        QCOMPARE(recorder.m_messages, QStringList{"Введите не более одного символа."});
        QCOMPARE(window.m_pDlg->m_session.m_settings.m_chHotkeyRestore, 'b');
    }

    // Beside the restore field, Win+Shift with its character too, where the
    // quotation is pasted into the document and the box is ticked; told only
    // when Win alone is free.
    void ReplaceHotkeyStatus() {
        struct Row {
            bool bPasteAvailable;
            HotkeyStatus win;
            HotkeyStatus winShift;
            const char* unticked;
            const char* ticked;
        };
        const Row rows[] = {
            {true, HotkeyStatus::Available, HotkeyStatus::Taken, "", "Win+Shift: занято другой программой"},
            {false, HotkeyStatus::Available, HotkeyStatus::Taken, "", ""},
            {true, HotkeyStatus::Taken, HotkeyStatus::Taken, "Занято другой программой", "Занято другой программой"},
            {true, HotkeyStatus::NoKey, HotkeyStatus::NoKey, "Нет такой клавиши", "Нет такой клавиши"},
            {true, HotkeyStatus::Available, HotkeyStatus::Unknown, "", ""},
        };
        for (const Row& row : rows) {
            CRecordingHotkeys hotkeys;
            hotkeys.m_probeAnswers = {{{kModWin, 'B'}, row.win}, {{kModWin | kModShift, 'B'}, row.winShift}};
            CSettingsDlg dlg(CSettingsValues{}, CQuotationValues{}, nullptr);
            dlg.m_bDocumentPasteAvailable = row.bPasteAvailable;
            dlg.m_probeHotkey = [&](int nId, char ch) { return hotkeys.Probe(nId, HotkeyModifiers(nId), ch); };
            dlg.show();
            auto* pStatus = Find<QLabel>(&dlg, "labelRestoreStatus");
            QCOMPARE(pStatus->text(), QString::fromUtf8(row.unticked));
            Find<QCheckBox>(&dlg, "checkPasteIntoDocument")->setChecked(true);
            QCOMPARE(pStatus->text(), QString::fromUtf8(row.ticked));
        }
    }

    // The template field: empty shows the chosen format's template, its menu
    // starts from one; "Записать" refuses a template the quotation cannot be
    // made with, the dialog staying open and nothing taken; a good one is
    // the quotation's.
    void TemplateField() {
        CWindowUnderTest window = OpenSettingsWindow();
        CQuoteDlg& dlg = *window.m_pDlg;
        dlg.m_session.m_quotation.m_strTemplate = "{книга}: {текст}";
        const std::pair<QString, QString> refused[] = {
            {QStringLiteral("{ссылка}"), QStringLiteral("В шаблоне нет {текст}: на это место встаёт текст отрывка.")},
            {QStringLiteral("{текст}") + QString(994, QChar(0x0416)), QStringLiteral("Шаблон длиннее 1000 знаков.")},
        };
        CMessageRecorder recorder;
        QStringList seen;
        OnNextModal([&](QWidget* pModal) {
            auto* pField = Find<QLineEdit>(pModal, "editTemplate");
            seen << pField->text();
            pField->clear();
            seen << pField->placeholderText();
            Find<QComboBox>(pModal, "comboFormat")->setCurrentIndex(2);
            seen << pField->placeholderText();
            Find<QToolButton>(pModal, "buttonTemplatePresets")->menu()->actions().at(1)->trigger();
            seen << pField->text();

            Find<QCheckBox>(pModal, "checkTrayDef")->setChecked(true);
            const auto* pSettings = static_cast<CSettingsDlg*>(pModal);
            for (const auto& [strTemplate, message] : refused) {
                recorder.m_messages.clear();
                pField->setText(strTemplate);
                Click(pModal, "buttonSave");
                QVERIFY(pModal->isVisible());
                QCOMPARE(recorder.m_messages, QStringList{message});
                QCOMPARE(pModal->focusWidget(), pField);
                QCOMPARE(pSettings->m_bTrayDef, 0);
                QCOMPARE(pSettings->m_quotation.m_strTemplate, std::string("{книга}: {текст}"));
            }
            pField->setText(QStringLiteral("{текст} ({модуль}, {ссылка})"));
            Click(pModal, "buttonSave");
        });
        dlg.OnSettings();
        QCOMPARE(seen,
                 (QStringList{"{книга}: {текст}", "{ссылка}. {текст}", "«{текст}» ({ссылка})", "{текст} ({ссылка})"}));
        QCOMPARE(dlg.m_session.m_quotation.m_strTemplate, std::string("{текст} ({модуль}, {ссылка})"));
        QCOMPARE(dlg.m_session.m_settings.m_bTrayDef, 1);
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
                pCancel->setFocus();
                if (nWay == Click) QTest::mouseClick(pCancel, Qt::LeftButton);
                if (nWay == Escape) QTest::keyClick(pModal, Qt::Key_Escape);
                if (nWay == EnterOnFocusedCancel) QTest::keyClick(pCancel, Qt::Key_Return);
            });
            dlg.OnSettings();
            QCOMPARE(dlg.m_session.m_settings.m_bTrayDef, 0);
            QCOMPARE(dlg.m_session.m_settings.m_chHotkeyLaunch, 'B');
            QVERIFY(window.m_pHotkeys->m_arrCalls.empty());
            QCOMPARE(dlg.m_comboModules->currentIndex(), 1);  // not rescanned
        }
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
                    QCOMPARE(Find<QLabel>(pPicker, "titleLine")->text(), QStringLiteral(" "));
                    QVERIFY(!Find<QLabel>(pPicker, "statusLine")->isVisibleTo(pPicker));
                    if (!bChoose) return static_cast<QDialog*>(pPicker)->reject();
                    SelectInTree(pPicker, chosen);
                    QTest::mouseClick(OkOf(pPicker), Qt::LeftButton);
                });
                Click(pSettings, "buttonBrowse");
                fields << Find<QLineEdit>(pSettings, "editDirectory")->text();
            }
            QVERIFY(Find<QCheckBox>(pSettings, "checkTrayDef")->isChecked());
            static_cast<QDialog*>(pSettings)->reject();
        });
        window.m_pDlg->OnSettings();
        QCOMPARE(fields, (QStringList{kDataRoot, QFileInfo(chosen).absoluteFilePath()}));
    }

    // The root shown, the initial folder preselected, the check's status
    // shown and heeded, hidden folders listed; a typed path that is no folder
    // is refused with a message, never replaced by the folder selected in the
    // tree; a root that is not there opens no window at all.
    void FolderPicker() {
        QTemporaryDir dir;
        for (const char* folder : {"good/inner", "xbad", ".wine/drive_c"}) QDir(dir.path()).mkpath(folder);
        CRefusingPicker picker;
        picker.m_strRoot = PathFromQString(dir.path());
        picker.m_strInitialFolder = PathFromQString(dir.path() + "/good/ \t");
        picker.m_bStatusText = 1;
        CMessageRecorder recorder;
        QStringList seen;
        OnNextModal([&](QWidget* pPicker) {
            QCOMPARE(Find<QLabel>(pPicker, "titleLine")->text(), QStringLiteral("Open"));
            QVERIFY(Find<QTreeView>(pPicker, "folderTree")->rootIndex().isValid());
            auto* pStatus = Find<QLabel>(pPicker, "statusLine");
            seen << Find<QLineEdit>(pPicker, "pathLine")->text() << pStatus->text();
            SelectInTree(pPicker, dir.path() + "/missing");
            seen << (pPicker->isVisible() ? "open" : "closed");
            SelectInTree(pPicker, dir.path() + "/xbad");
            seen << pStatus->text() << (OkOf(pPicker)->isEnabled() ? "OK" : "no OK");
            SelectInTree(pPicker, dir.path() + "/.wine/drive_c");
        });
        QVERIFY(picker.Browse(nullptr));
        QCOMPARE(seen, (QStringList{dir.path() + "/good", "Годится", "open", "Не годится", "no OK"}));
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
            {"/home/u/Docs/ ", "/home/u/Docs"}, {"/home/u/Docs//", "/home/u/Docs/"}, {"/", "/"}, {"/ \t", "/"}};
        for (const auto& [given, trimmed] : cases) QCOMPARE(TrimInitialFolder(given), trimmed);
    }
};

SORVANTA_QTEST(CSettingsDlgTest)
#include "settingsdlg_test.moc"
