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
#include "platform/documentwindows.h"
#include "platform/hotkeys.h"
#include "session/quotesession.h"
#include "settings/settingsstore.h"
#include "ui/dialog.h"

class QComboBox;
class QCompleter;
class QMenu;
namespace Ui {
class CQuoteDlgClient;
}

namespace sorvanta {

class CFoundVersesPopup;
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

    // The profile, and what the window decides without drawing: the five
    // settings, the quotation values, the modules, the OK command, the history.
    CProfileFileStore m_store;
    CQuoteSession m_session;

    CHookWnd* m_pHook = nullptr;
    QComboBox* m_comboModules = nullptr;  // index for index with the session's catalogue
    QComboBox* m_comboVerse = nullptr;
    std::string m_strVerse;   // code page 1251
    std::string m_strModule;  // code page 1251
    CTrayIconRecord m_nid;
    QIcon m_hIcon;
    QImage m_bmpCaption;

    void UpdateData(bool bSaveAndValidate);

    // Modules
    void ScanModules();
    // The selected module's book abbreviations, offered while the book is
    // typed; chosen only with Down and Enter or a click.
    void ReadModuleBooks();

    // Lookup
    int LookUpAndCopy();
    // Empties the reference field's history list (its menu's "Очистить историю").
    void ClearHistory();
    // Words typed instead of a reference: the verses found, listed under the
    // reference field; choosing one quotes it as if its reference were typed.
    void ShowFoundVerses(const COkResult& result);
    void QuoteFoundVerse(const QString& reference);
    // The line below the buttons: what OK would quote for the text typed now.
    void UpdatePreview();
    QString PreviewText() const;

    // Settings
    void LoadSettings();
    void RegisterHotkeys();  // unregisters and registers both hot keys

    // Tray, hot keys and window states
    void InitTrayIcon();
    int OnTrayNotify(unsigned wParam, unsigned lParam);
    void ShowTrayMenu();
    void OnMenuRestore();
    void OnMenuClose();
    void OnSize(int nType);
    void LaunchHost();

    // Straight into the document
    // Remembers the window active when the window is called up, another
    // program's (with PasteIntoDocument on).
    void RememberWriterWindow();
    // Hides nothing; makes the remembered window active again and pastes the
    // clipboard into it once it has the focus. Nothing when none is remembered
    // or it is gone.
    void PasteIntoWriterWindow();
    // Hot key 3: the selected text is looked up as if typed and its quotation
    // pasted over the selection.
    void ReplaceSelectedReference();
    bool DocumentPasteAvailable() const { return m_pDocuments != nullptr; }
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
    void FillHistory();  // the reference field's list: the session's history, sorted
    void ShowReferenceMenu(QPoint pos);
    void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
    QMenu* CreateTrayMenu();  // "Развернуть", a separator, "Закрыть"
    void RestoreWindow();
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
    CFoundVersesPopup* m_pFoundVerses = nullptr;
    std::optional<bool> m_bTrayAvailable;
    CHostStarter m_hostStarter;
    bool m_bDestroyed = false;
    bool m_bRestoreOnActivation = false;             // a way back waits for the platform's activation
    std::unique_ptr<CDocumentWindows> m_pDocuments;  // null where other programs' windows cannot be pasted into
    std::uint64_t m_nWriterWindow = 0;               // the window to paste into after the next copy
    bool m_bReplacing = false;                       // a selected reference is being replaced
};

}  // namespace sorvanta
