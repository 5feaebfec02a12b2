#include "platform/documentwindows_portal.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QWindow>
#include <iterator>
#include <utility>

#include "platform/hotkeys.h"
#include "platform/log.h"

namespace sorvanta {

namespace {

const QString kRemoteDesktopInterface = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");
const QString kConnectionName = QStringLiteral("sorvanta-remote-desktop");
constexpr uint kKeyboardDevice = 1;
constexpr int kKeyLeftCtrl = 29;  // the keys' Linux input codes
constexpr int kKeyV = 47;
constexpr uint kKeyReleased = 0;
constexpr uint kKeyPressed = 1;

// Ctrl+V, pressed and let go.
struct CKeyStep {
    int nKey;
    uint nState;
};
constexpr CKeyStep kPasteKeys[] = {
    {kKeyLeftCtrl, kKeyPressed}, {kKeyV, kKeyPressed}, {kKeyV, kKeyReleased}, {kKeyLeftCtrl, kKeyReleased}};
constexpr int kProbeTimeoutMs = 3000;
constexpr int kCloseTimeoutMs = 1000;

QString PathOf(const QVariant& handle) {
    return handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
}

}  // namespace

CPortalDocumentWindows::CPortalDocumentWindows(const CHotkeyLayer& hotkeys)
    : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName)) {
    // The desktop asks the person nothing about a hot key's release: a paste
    // waits for it, so that the keys still held do not change Ctrl+V.
    connect(&hotkeys, &CHotkeyLayer::HotKeyPressed, this, [this](int nId) { m_nHeldHotkey = nId; });
    connect(&hotkeys, &CHotkeyLayer::HotKeyReleased, this, [this](int nId) {
        if (nId == m_nHeldHotkey) m_nHeldHotkey = 0;
    });
}

CPortalDocumentWindows::~CPortalDocumentWindows() {
    if (m_pRequest) m_pRequest->Cancel();
    CloseSession();
    QDBusConnection::disconnectFromBus(kConnectionName);  // the portal ends whatever else was the connection's
}

void CPortalDocumentWindows::PrepareToPaste(bool bAskAgain) {
    // A refusal is the person's answer: asked again only when they switch
    // the setting on once more, or at the next start.
    if (m_leave == Leave::NotAsked || (bAskAgain && m_leave == Leave::Refused)) Ask();
}

std::uint64_t CPortalDocumentWindows::ActiveWindow() {
    const QWindow* pFocus = QGuiApplication::focusWindow();
    return pFocus != nullptr ? pFocus->winId() : kFocusBeforeCallUp;
}

bool CPortalDocumentWindows::Activate(std::uint64_t window) {
    return window == kFocusBeforeCallUp;
}

bool CPortalDocumentWindows::ReadyForPaste(std::uint64_t window) {
    return window == kFocusBeforeCallUp && QGuiApplication::focusWindow() == nullptr && m_nHeldHotkey == 0;
}

void CPortalDocumentWindows::SendPasteKey() {
    switch (m_leave) {
        case Leave::Granted: TypePasteKey(0); break;
        case Leave::Refused:
            qCWarning(lcSorvanta, "the desktop does not let the program type: the quotation is only on the clipboard");
            break;
        case Leave::NotAsked: Ask(); [[fallthrough]];
        case Leave::Asking: m_bPasteDue = true; break;
    }
}

void CPortalDocumentWindows::TypePasteKey(std::size_t nStep) {
    // The portal may handle calls side by side and so out of order: a key
    // goes only after the last one was taken, or a Ctrl let go before it was
    // pressed would stay held.
    if (nStep >= std::size(kPasteKeys) || m_strSession.isEmpty()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kRemoteDesktopInterface,
                                                       QStringLiteral("NotifyKeyboardKeycode"));
    call << QVariant::fromValue(QDBusObjectPath(m_strSession)) << QVariantMap() << kPasteKeys[nStep].nKey
         << kPasteKeys[nStep].nState;
    auto* pWatcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pWatcher, &QDBusPendingCallWatcher::finished, this, [this, nStep](QDBusPendingCallWatcher* p) {
        p->deleteLater();
        if (p->isError()) {
            qCWarning(lcSorvanta) << "the desktop portal took no key:" << p->error().message();
            return;
        }
        TypePasteKey(nStep + 1);
    });
}

void CPortalDocumentWindows::Ask() {
    m_leave = Leave::Asking;
    Request(QStringLiteral("CreateSession"),
            {QVariantMap{{QStringLiteral("session_handle_token"), QStringLiteral("sorvanta_paste")}}},
            [this](uint nResponse, const QVariantMap& results) { OnSessionCreated(nResponse, results); });
}

void CPortalDocumentWindows::OnSessionCreated(uint nResponse, const QVariantMap& results) {
    if (nResponse != kPortalGranted) return Refused("it opened no remote-desktop session");
    m_strSession = PathOf(results.value(QStringLiteral("session_handle")));
    m_bus.connect(kPortalService, m_strSession, kSessionInterface, QStringLiteral("Closed"), this,
                  SLOT(OnSessionClosed()));
    Request(
        QStringLiteral("SelectDevices"),
        {QVariant::fromValue(QDBusObjectPath(m_strSession)), QVariantMap{{QStringLiteral("types"), kKeyboardDevice}}},
        [this](uint nSelected, const QVariantMap&) { OnDevicesSelected(nSelected); });
}

void CPortalDocumentWindows::OnDevicesSelected(uint nResponse) {
    if (nResponse != kPortalGranted) return Refused("it offers no keyboard");
    // Here the desktop asks the person.
    Request(QStringLiteral("Start"), {QVariant::fromValue(QDBusObjectPath(m_strSession)), QString(), QVariantMap()},
            [this](uint nStarted, const QVariantMap& results) { OnStarted(nStarted, results); });
}

void CPortalDocumentWindows::OnStarted(uint nResponse, const QVariantMap& results) {
    if (nResponse == kPortalRefused) return Refused("the person did not allow it");
    if (nResponse != kPortalGranted || (results.value(QStringLiteral("devices")).toUInt() & kKeyboardDevice) == 0)
        return Refused("it gave no keyboard");
    m_leave = Leave::Granted;
    qCInfo(lcSorvanta, "the desktop lets the program type the paste key");
    if (std::exchange(m_bPasteDue, false)) TypePasteKey(0);
}

void CPortalDocumentWindows::Refused(const char* pWhy) {
    qCWarning(lcSorvanta, "the desktop does not let the program type (%s): quotations are only put on the clipboard",
              pWhy);
    if (std::exchange(m_bPasteDue, false)) qCWarning(lcSorvanta, "nothing pasted");
    CloseSession();
    m_leave = Leave::Refused;
}

void CPortalDocumentWindows::OnSessionClosed() {
    // The desktop ended it (the person may have stopped it there): asked
    // again before the next paste.
    qCInfo(lcSorvanta, "the desktop closed the remote-desktop session");
    m_bus.disconnect(kPortalService, m_strSession, kSessionInterface, QStringLiteral("Closed"), this,
                     SLOT(OnSessionClosed()));
    m_strSession.clear();
    m_leave = Leave::NotAsked;
}

void CPortalDocumentWindows::CloseSession() {
    if (m_strSession.isEmpty()) return;
    m_bus.disconnect(kPortalService, m_strSession, kSessionInterface, QStringLiteral("Closed"), this,
                     SLOT(OnSessionClosed()));
    m_bus.call(QDBusMessage::createMethodCall(kPortalService, m_strSession, kSessionInterface, QStringLiteral("Close")),
               QDBus::Block, kCloseTimeoutMs);
    m_strSession.clear();
}

void CPortalDocumentWindows::Request(const QString& strMethod, const QList<QVariant>& arguments,
                                     CPortalRequest::Answer answer) {
    m_pRequest = CPortalRequest::Send(m_bus, kRemoteDesktopInterface, strMethod, arguments, this, std::move(answer));
}

std::unique_ptr<CDocumentWindows> CreatePortalDocumentWindows(const CHotkeyLayer& hotkeys) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return nullptr;
    QDBusMessage probe = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    probe << kRemoteDesktopInterface << QStringLiteral("AvailableDeviceTypes");
    const QDBusMessage reply = bus.call(probe, QDBus::Block, kProbeTimeoutMs);
    const uint nDevices = reply.type() == QDBusMessage::ReplyMessage
                              ? reply.arguments().value(0).value<QDBusVariant>().variant().toUInt()
                              : 0;
    if ((nDevices & kKeyboardDevice) == 0) {
        qCInfo(lcSorvanta) << "no keyboard from the desktop portal's remote desktop: nothing is pasted into documents"
                           << reply.errorMessage();
        return nullptr;
    }
    return std::make_unique<CPortalDocumentWindows>(hotkeys);
}

}  // namespace sorvanta
