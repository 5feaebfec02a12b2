#include "app/quotedlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/hookwnd.h"
#include "modules/moduleroots.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"
#include "ui_quotedlg.h"

// The icon is a resource of this library; nothing else refers to it, so the
// linker would leave it out of the program unless it is initialised here.
static void InitIconResource() {
    Q_INIT_RESOURCE(sorvanta);
}

namespace sorvanta {

namespace {

QIcon ProgramIcon() {
    InitIconResource();
    return QIcon(QStringLiteral(":/sorvanta/sorvanta.xpm"));
}

// Selects the first item that begins with `text`, or, in an editable box
// without such an item, writes the text into the edit field.
void LoadComboText(QComboBox* pCombo, const QString& text) {
    for (int i = 0; i < pCombo->count(); ++i) {
        if (pCombo->itemText(i).startsWith(text)) {
            pCombo->setCurrentIndex(i);
            return;
        }
    }
    if (pCombo->isEditable()) pCombo->setEditText(text);
}

}  // namespace

CQuoteDlg::CQuoteDlg(QWidget* pParent, std::unique_ptr<CHotkeyLayer> pHotkeys, std::optional<bool> bTrayAvailable)
    : CDialog(pParent),
      m_store(SettingsFileStore()),
      m_session(m_store),
      m_hIcon(ProgramIcon()),
      m_pUi(std::make_unique<Ui::CQuoteDlgClient>()),
      m_pHotkeys(std::move(pHotkeys)),
      m_bTrayAvailable(bTrayAvailable) {
    m_bmpCaption = CaptionButtonPicture();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_pClient = new QWidget(this);
    m_pUi->setupUi(m_pClient);
    m_pClient->move(kFrameWidth, kCaptionHeight);
    setFixedSize(m_pClient->width() + 2 * kFrameWidth, m_pClient->height() + kCaptionHeight + kFrameWidth);
    setWindowTitle(m_pClient->windowTitle());
    setFont(m_pClient->font());
    setAttribute(Qt::WA_QuitOnClose, false);

    connect(m_pUi->buttonOk, &QPushButton::clicked, this, &CQuoteDlg::OnOK);
    connect(m_pUi->buttonSettings, &QPushButton::clicked, this, &CQuoteDlg::OnSettings);
    connect(m_pUi->buttonExit, &QPushButton::clicked, this, &CQuoteDlg::reject);
    connect(m_pUi->m_comboModules, &QComboBox::activated, this, [this](int nIndex) {
        m_session.SelectModule(nIndex);
        ReadModuleBooks();
        UpdatePreview();
    });
    m_session.m_findModuleRoot = FindDefaultModuleRoot;
}

CQuoteDlg::~CQuoteDlg() {
    OnDestroy();
}

void CQuoteDlg::UpdateData(bool bSaveAndValidate) {
    if (bSaveAndValidate) {
        m_strVerse = FromQString(m_comboVerse->currentText());
        m_strModule = FromQString(m_comboModules->currentText());
    } else {
        LoadComboText(m_comboVerse, ToQString(m_strVerse));
        LoadComboText(m_comboModules, ToQString(m_strModule));
    }
}

bool CQuoteDlg::OnInitDialog() {
    m_comboModules = m_pUi->m_comboModules;
    m_comboVerse = m_pUi->m_comboVerse;
    // The reference field never changes what is typed: no inline completion
    // from the history, which stays reachable through the drop-down list.
    m_comboVerse->setCompleter(nullptr);
    // Enter keeps what is typed: the box would put a history entry that
    // differs only in letter case in its place when the editing ends.
    QObject::disconnect(m_comboVerse->lineEdit(), &QLineEdit::editingFinished, m_comboVerse, nullptr);
    m_comboVerse->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_comboVerse->lineEdit(), &QWidget::customContextMenuRequested, this, &CQuoteDlg::ShowReferenceMenu);
    connect(m_comboVerse, &QComboBox::editTextChanged, this, &CQuoteDlg::UpdatePreview);
    UpdateData(false);

    m_pHook = new CHookWnd;
    m_pHook->InstallHook(this);
    setWindowIcon(m_hIcon);
    // The host platform's WS_EX_TOPMOST request here never changed the window's
    // z-order, so the window stays an ordinary one.

    LoadSettings();
    if (!m_pHotkeys) m_pHotkeys = CreatePlatformHotkeyLayer();
    m_pDocuments = CreateDocumentWindows(*m_pHotkeys);
    connect(m_pHotkeys.get(), &CHotkeyLayer::HotKeyPressed, this, &CQuoteDlg::OnHotKey);
    RegisterHotkeys();
    InitTrayIcon();
    ScanModules();
    qApp->installEventFilter(this);
    // The control that had the focus last gets it back when the window is
    // active again, as a dialog does. Moves the platform makes while the
    // window hides are not the person's.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* pNow) {
        if (pNow != nullptr && pNow != this && pNow->window() == this && isVisible()) m_pLastFocus = pNow;
    });
    if (m_session.m_settings.m_bTrayDef != 0) {
        QMetaObject::invokeMethod(
            this, [this] { OnSize(kSizeMinimized); }, Qt::QueuedConnection);
    } else {
        m_comboVerse->setFocus();
    }
    if (m_pTrayIcon != nullptr) m_pTrayIcon->show();
    return false;
}

void CQuoteDlg::OnOK() {
    LookUpAndCopy();  // a failure has shown its messages
}

void CQuoteDlg::done(int nResult) {
    QDialog::done(nResult);
    OnDestroy();
}

void CQuoteDlg::OnDestroy() {
    if (m_bDestroyed || !IsInitialised()) return;
    m_bDestroyed = true;
    m_session.SaveSettings();
    qApp->removeEventFilter(this);
    RemoveHook(this);
    delete m_pHook;
    m_pHook = nullptr;
    if (m_pTrayIcon != nullptr) {
        m_pTrayIcon->hide();
        delete m_pTrayIcon;
        m_pTrayIcon = nullptr;
    }
}

}  // namespace sorvanta
