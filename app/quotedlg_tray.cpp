// The main window in the tray: the tray icon and its menu, the hot keys, the
// Escape key and the hidden and shown states.
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <utility>

#include "app/quotedlg.h"
#include "platform/withdrawnwindow.h"
#include "ui/messagebox.h"

namespace sorvanta {

void CQuoteDlg::InitTrayIcon() {
    m_nid.uID = kTrayIconId;
    m_nid.uCallbackMessage = kTrayCallbackMessage;
    m_nid.szTip = QStringLiteral("This is Tip");
    m_pTrayIcon = new QSystemTrayIcon(m_hIcon, this);
    m_pTrayIcon->setToolTip(m_nid.szTip);
    connect(m_pTrayIcon, &QSystemTrayIcon::activated, this, &CQuoteDlg::OnTrayActivated);
    // A Wayland desktop's tray draws the menu itself, from the one the icon
    // exports: a client cannot put a menu of its own at the icon. A tray
    // that asks the program for its menu instead still gets ShowTrayMenu's.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        m_pTrayIcon->setContextMenu(CreateTrayMenu());
    }
}

QMenu* CQuoteDlg::CreateTrayMenu() {
    auto* pMenu = new QMenu(this);
    pMenu->addAction(QStringLiteral("Развернуть"), this, &CQuoteDlg::OnMenuRestore);
    pMenu->addSeparator();
    pMenu->addAction(QStringLiteral("Закрыть"), this, &CQuoteDlg::OnMenuClose);
    return pMenu;
}

bool CQuoteDlg::TrayAvailable() const {
    return m_bTrayAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void CQuoteDlg::OnTrayActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger: OnTrayNotify(m_nid.uID, static_cast<unsigned>(CTrayMouse::LeftDown)); break;
        case QSystemTrayIcon::Context: OnTrayNotify(m_nid.uID, static_cast<unsigned>(CTrayMouse::RightUp)); break;
        case QSystemTrayIcon::DoubleClick:
            OnTrayNotify(m_nid.uID, static_cast<unsigned>(CTrayMouse::LeftDoubleClick));
            break;
        default: break;
    }
}

int CQuoteDlg::OnTrayNotify(unsigned wParam, unsigned lParam) {
    if (wParam != m_nid.uID || m_nid.uCallbackMessage == 0) return 0;
    switch (static_cast<CTrayMouse>(lParam & 0xFFFFu)) {
        case CTrayMouse::RightUp: ShowTrayMenu(); break;
        case CTrayMouse::LeftDown: RestoreWindow(); break;
        default: break;  // moves, releases and double clicks change nothing
    }
    return 1;
}

void CQuoteDlg::ShowTrayMenu() {
    const QPoint cursor = QCursor::pos();
    if (m_pTrayMenu) return;  // already open
    m_pTrayMenu = CreateTrayMenu();
    m_pTrayMenu->setAttribute(Qt::WA_DeleteOnClose);
    m_pTrayMenu->popup(cursor);
}

void CQuoteDlg::BringToFront() {
    RestoreWindow();
}

void CQuoteDlg::OnMenuRestore() {
    RestoreWindow();
}

void CQuoteDlg::OnMenuClose() {
    reject();
}

// Every way back (the tray icon, its menu, the hot key, a second start) shows
// the window in front and active: the person asked for it, and a window
// restored behind others would be lost.
void CQuoteDlg::RestoreWindow() {
    RememberWriterWindow();
    // A Wayland client can neither restore a window the desktop minimised
    // nor raise itself over the program the person works in; a window
    // shown anew comes up normal and with the focus.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && isVisible() && !isActiveWindow()) {
        hide();
    }
    showNormal();
    show();
    raise();
    activateWindow();
    RestoreFocus();  // what the focus given to a dialog does
    // The activation the platform grants later settles its own focus: the
    // focus is given back once more then, and only then. Other activations
    // (a popup of the window's own closing) leave the field as it is.
    m_bRestoreOnActivation = !isActiveWindow();
}

void CQuoteDlg::RestoreFocus() {
    const QWidget* pTarget = FocusLastControl();
    if (pTarget == nullptr) return;
    if (pTarget == m_comboVerse || pTarget == m_comboVerse->lineEdit()) m_comboVerse->lineEdit()->selectAll();
}

QWidget* CQuoteDlg::FocusLastControl() {
    QWidget* pTarget = m_pLastFocus ? m_pLastFocus.data() : static_cast<QWidget*>(m_comboVerse);
    if (pTarget != nullptr) pTarget->setFocus(Qt::ActiveWindowFocusReason);
    return pTarget;
}

void CQuoteDlg::focusInEvent(QFocusEvent* pEvent) {
    CDialog::focusInEvent(pEvent);
    FocusLastControl();  // the window itself never keeps the focus
}

void CQuoteDlg::showEvent(QShowEvent* pEvent) {
    CDialog::showEvent(pEvent);
    // Only the first show centres the window; later ones keep where the
    // person left it.
    setAttribute(Qt::WA_Moved, true);
}

void CQuoteDlg::PostMinimize() {
    QMetaObject::invokeMethod(
        this, [this] { showMinimized(); }, Qt::QueuedConnection);
}

void CQuoteDlg::HideToTray() {
    if (TrayAvailable()) {
        hide();
        MarkWithdrawnWindowNormal(windowHandle());
    } else if (!isMinimized()) {
        showMinimized();
    }
}

void CQuoteDlg::OnSize(int nType) {
    if (nType != kSizeMinimized) return;
    // Without a tray a minimised window stays as it is. (Minimising it again
    // later would never end on Wayland, whose desktops do not tell a window
    // that it is minimised: it soon looks normal to the program.)
    if (!TrayAvailable() && isMinimized()) return;
    // Hiding straight from the state change would be undone by the platform,
    // which shows a window again after minimising it.
    QMetaObject::invokeMethod(
        this, [this] { HideToTray(); }, Qt::QueuedConnection);
}

void CQuoteDlg::changeEvent(QEvent* pEvent) {
    QDialog::changeEvent(pEvent);
    if (pEvent->type() == QEvent::WindowStateChange && isMinimized()) OnSize(kSizeMinimized);
    if (pEvent->type() == QEvent::ActivationChange) {
        update();  // the caption's look follows activation
        // After the platform has settled the activation and its own focus.
        if (std::exchange(m_bRestoreOnActivation, false) && isActiveWindow())
            QMetaObject::invokeMethod(
                this, [this] { RestoreFocus(); }, Qt::QueuedConnection);
    }
}

bool CQuoteDlg::eventFilter(QObject* pWatched, QEvent* pEvent) {
    return PreTranslateMessage(pWatched, pEvent) || QDialog::eventFilter(pWatched, pEvent);
}

bool CQuoteDlg::PreTranslateMessage(QObject* pReceiver, QEvent* pEvent) {
    if (pEvent->type() != QEvent::KeyPress) return false;
    if (static_cast<QKeyEvent*>(pEvent)->key() != Qt::Key_Escape) return false;
    auto* pWidget = qobject_cast<QWidget*>(pReceiver);
    if (pWidget == nullptr || pWidget->window() != this) return false;
    // Escape hides the window to the tray; it never closes it.
    PostMinimize();
    return true;
}

void CQuoteDlg::OnHotKey(int nId) {
    if (nId == kHotkeyLaunch) LaunchHost();
    if (nId == kHotkeyRestore) RestoreWindow();
    if (nId == kHotkeyReplace) ReplaceSelectedReference();
}

void CQuoteDlg::LaunchHost() {
    const QString message = m_hostStarter.StartHost();
    if (!message.isEmpty()) AfxMessageBox(message);
}

}  // namespace sorvanta
