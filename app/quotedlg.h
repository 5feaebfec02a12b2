// The main window: the reference field, the module list, and the state that
// every part of the program works on.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QSystemTrayIcon>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/trayrecord.h"
#include "launcher/hoststarter.h"
#include "platform/hotkeys.h"
#include "profile/quotationvalues.h"
#include "settings/settingsstore.h"
#include "ui/dialog.h"

class QComboBox;
class QCompleter;
class QMenu;
namespace Ui {
class CQuoteDlgClient;
}

namespace sorvanta {

class CHookWnd;

// Size of the window's own caption strip and frame, in pixels.
inline constexpr int kCaptionHeight = 22;
inline constexpr int kFrameWidth = 3;
inline constexpr int kSizeMinimized = 1;  // the size type of a minimised window

// The 14 x 12 picture of the caption's minimise button.
QImage CaptionButtonPicture();

class CQuoteDlg : public CDialog {
    Q_OBJECT
public:
    // `pHotkeys` replaces the platform's hot-key layer and `bTrayAvailable`
    // the platform's answer whether a tray exists (tests use both).
    explicit CQuoteDlg(QWidget* pParent = nullptr, std::unique_ptr<CHotkeyLayer> pHotkeys = nullptr,
                       std::optional<bool> bTrayAvailable = std::nullopt);
    ~CQuoteDlg() override;

    // The state, in the order the program has always declared it.
    CHookWnd* m_pHook = nullptr;
    int m_bShowDlg = 1;
    QComboBox* m_comboModules = nullptr;
    QComboBox* m_comboVerse = nullptr;
    std::string m_strVerse;   // code page 1251
    std::string m_strModule;  // code page 1251
    CTrayIconRecord m_nid;
    std::string m_strDirectory;  // native path
    int m_bTrayDef = 0;
    std::vector<std::string> m_arrModuleIni;         // native paths, index for index with m_comboModules
    std::vector<TextEncoding> m_arrModuleEncodings;  // of each module's texts, index for index too
    std::string m_strChapterSign;
    std::string m_strVerseSign;
    char m_chHotkeyLaunch = 0;
    char m_chHotkeyRestore = 0;
    QIcon m_hIcon;
    QImage m_bmpCaption;
    CQuotationValues m_quotation;           // how quotations are put together and copied
    std::vector<std::string> m_arrHistory;  // the references found, in the order typed (as the profile keeps them)

    void UpdateData(bool bSaveAndValidate);

    // Modules
    void ScanModules();
    void ReadModuleMarkers();
    // The selected module's book abbreviations, offered while the book is
    // typed; chosen only with Down and Enter or a click.
    void ReadModuleBooks();

    // Lookup
    int LookUpAndCopy();
    std::string m_strNotFoundMessage;  // what OnOK shows when LookUpAndCopy found nothing (code page 1251)
    // Empties the reference field's history list (its menu's "Очистить историю").
    void ClearHistory();

    // Settings
    CSettingsValues SettingsValues() const;
    void ApplySettingsValues(const CSettingsValues& values);
    void LoadSettings();
    bool SaveSettings();     // false, logged, when the profile could not be written
    void RegisterHotkeys();  // unregisters and registers both hot keys

    // Tray, hot keys and window states
    void InitTrayIcon();
    int OnTrayNotify(unsigned wParam, unsigned lParam);
    void ShowTrayMenu();
    void OnMenuRestore();
    void OnMenuClose();
    void OnSize(int nType);
    void LaunchHost();
    void PostMinimize();  // what the host platform's posted SC_MINIMIZE did
    // Hides the window to the tray; without a tray it is iconified instead, so
    // that it can never be lost.
    void HideToTray();
    bool TrayAvailable() const;
    QSystemTrayIcon* TrayIcon() const { return m_pTrayIcon; }
    CHotkeyLayer* Hotkeys() const { return m_pHotkeys.get(); }
    QWidget* Client() const { return m_pClient; }

    // The caption strip
    void DrawCaptionButton(QPainter& painter) const;
    bool IsOnCaptionButton(QPoint windowPos) const;

    // Runs the destruction steps once: saves the settings, removes the hook
    // and the tray icon. Every way out of the window passes here.
    void OnDestroy();

public slots:
    // What hot key 1 (start the host) or 2 (restore the window) does.
    void OnHotKey(int nId);
    // Shows, restores and activates the window, as a click on the tray icon does.
    void BringToFront();
    void OnOK();
    void OnSettings();
    void done(int nResult) override;

protected:
    bool OnInitDialog() override;
    void changeEvent(QEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool PreTranslateMessage(QObject* pReceiver, QEvent* pEvent);
    void AddToHistory(const std::string& strEntry);  // an entry as the profile keeps it (LoadHistory)
    void ShowReferenceMenu(QPoint pos);
    void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
    QMenu* CreateTrayMenu();  // "Развернуть", a separator, "Закрыть"
    void RestoreWindow();
    // The selected module's configuration file and encoding ("" when none).
    std::string SelectedModuleIni() const;
    TextEncoding SelectedModuleEncoding() const;
    // Gives the focus back to the control that had it last (the reference
    // field at first) and selects an edit field's text, so typing replaces it.
    void RestoreFocus();
    // Gives the focus back to that control, leaving its text as it is, and
    // returns it (none before the controls are bound).
    QWidget* FocusLastControl();

    std::unique_ptr<Ui::CQuoteDlgClient> m_pUi;
    QWidget* m_pClient = nullptr;
    std::unique_ptr<CHotkeyLayer> m_pHotkeys;
    QSystemTrayIcon* m_pTrayIcon = nullptr;
    QPointer<QMenu> m_pTrayMenu;
    QPointer<QWidget> m_pLastFocus;
    QCompleter* m_pBookCompleter = nullptr;
    std::optional<bool> m_bTrayAvailable;
    CHostStarter m_hostStarter;
    bool m_bDestroyed = false;
    bool m_bRestoreOnActivation = false;  // a way back waits for the platform's activation
};

}  // namespace sorvanta
