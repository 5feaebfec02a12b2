#include "platform/hotkeys_portal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <algorithm>

#include "platform/log.h"
#include "platform/portalrequest.h"
#include "platform/portaltrigger.h"

namespace sorvanta {

namespace {

const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
// The desktop keeps the shortcuts under the session's token, so the same
// token each time lets a person's own choice of keys outlast the program.
const QString kSessionToken = QStringLiteral("sorvanta");
constexpr int kProbeTimeoutMs = 3000;
constexpr int kCloseTimeoutMs = 1000;

// The hot keys as the desktop lists them to the person.
struct CShortcutName {
    int nId;
    const char* pId;
    const char* pDescription;
};
constexpr CShortcutName kShortcutNames[] = {
    {kHotkeyLaunch, "launch-host", "Запустить Orvanel"},
    {kHotkeyRestore, "restore-window", "Развернуть окно"},
    {kHotkeyReplace, "replace-reference", "Заменить выделенную ссылку цитатой"},
};

const CShortcutName* NameOfHotkey(int nId) {
    for (const CShortcutName& name : kShortcutNames) {
        if (name.nId == nId) return &name;
    }
    return nullptr;
}

// A desktop keeps the key it once gave a shortcut id, whatever trigger is
// asked for later; so the id names the wanted key as well, and other hot-key
// characters make other shortcuts: "launch-host-ctrl-alt-b".
QString ShortcutId(int nId, const QString& trigger) {
    return QString::fromLatin1(NameOfHotkey(nId)->pId) + QLatin1Char('-') +
           trigger.toLower().replace(QLatin1Char('+'), QLatin1Char('-'));
}

}  // namespace

// One shortcut as the portal takes it: its id and its properties, a(sa{sv}).
struct CPortalShortcut {
    QString strId;
    QVariantMap properties;
};
using CPortalShortcuts = QList<CPortalShortcut>;

QDBusArgument& operator<<(QDBusArgument& argument, const CPortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.strId << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, CPortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.strId >> shortcut.properties;
    argument.endStructure();
    return argument;
}

}  // namespace sorvanta

Q_DECLARE_METATYPE(sorvanta::CPortalShortcut)
Q_DECLARE_METATYPE(sorvanta::CPortalShortcuts)

namespace sorvanta {

std::unique_ptr<CPortalHotkeys> CPortalHotkeys::Create() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return nullptr;
    QDBusMessage probe = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    probe << kShortcutsInterface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(probe, QDBus::Block, kProbeTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        qCWarning(lcSorvanta) << "no global shortcuts from the desktop portal:" << reply.errorMessage();
        return nullptr;
    }
    return std::unique_ptr<CPortalHotkeys>(new CPortalHotkeys);
}

CPortalHotkeys::CPortalHotkeys() {
    // A slot's argument types must be known by name before QtDBus connects it.
    qRegisterMetaType<QDBusObjectPath>();
    qDBusRegisterMetaType<CPortalShortcut>();
    qDBusRegisterMetaType<CPortalShortcuts>();
}

CPortalHotkeys::~CPortalHotkeys() {
    EndRequest();
    CloseSession();
}

bool CPortalHotkeys::RegisterHotKey(int nId, unsigned nModifiers, char chKey) {
    const QString trigger = PortalTrigger(nModifiers, chKey);
    if (trigger.isEmpty() || NameOfHotkey(nId) == nullptr) {
        qCWarning(lcSorvanta, "hot key %d: no key for the desktop portal to ask for", nId);
        UnregisterHotKey(nId);
        return false;
    }
    m_triggers[nId] = trigger;
    ScheduleSession();
    return true;
}

void CPortalHotkeys::UnregisterHotKey(int nId) {
    if (m_triggers.erase(nId) > 0) ScheduleSession();
}

void CPortalHotkeys::ScheduleSession() {
    // Registering both hot keys again makes four calls; the portal hears of them once.
    if (m_bSessionScheduled) return;
    m_bSessionScheduled = true;
    QMetaObject::invokeMethod(this, &CPortalHotkeys::OpenSession, Qt::QueuedConnection);
}

namespace {

CPortalShortcuts ShortcutsOf(const std::map<int, QString>& triggers) {
    CPortalShortcuts shortcuts;
    for (const auto& [nId, trigger] : triggers) {
        shortcuts.append({ShortcutId(nId, trigger),
                          {{QStringLiteral("description"), QString::fromUtf8(NameOfHotkey(nId)->pDescription)},
                           {QStringLiteral("preferred_trigger"), trigger}}});
    }
    return shortcuts;
}

}  // namespace

void CPortalHotkeys::OpenSession() {
    m_bSessionScheduled = false;
    EndRequest();
    CloseSession();
    if (m_triggers.empty()) return;
    // Each session has a connection of its own: its path is made of the
    // connection's name, and a desktop may still be closing the last one
    // when the next opens, so the two must never share a path.
    m_strConnection = QStringLiteral("sorvanta-shortcuts-%1").arg(++m_nSessions);
    QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_strConnection);
    Bus().connect(kPortalService, kPortalPath, kShortcutsInterface, QStringLiteral("Activated"), this,
                  SLOT(OnActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    Bus().connect(kPortalService, kPortalPath, kShortcutsInterface, QStringLiteral("Deactivated"), this,
                  SLOT(OnDeactivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    // The shortcuts go with the session too: some desktops take them only there.
    Request(QStringLiteral("CreateSession"),
            {QVariantMap{{QStringLiteral("session_handle_token"), kSessionToken},
                         {QStringLiteral("shortcuts"), QVariant::fromValue(ShortcutsOf(m_triggers))}}},
            [this](uint nResponse, const QVariantMap& results) { OnSessionCreated(nResponse, results); });
}

void CPortalHotkeys::OnSessionCreated(uint nResponse, const QVariantMap& results) {
    if (nResponse != kPortalGranted) {
        qCWarning(lcSorvanta) << "the desktop portal opened no shortcut session, response" << nResponse;
        return;
    }
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    m_strSession = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
    Request(QStringLiteral("ListShortcuts"), {QVariant::fromValue(QDBusObjectPath(m_strSession)), QVariantMap()},
            [this](uint nResponse, const QVariantMap& results) { OnShortcutsListed(nResponse, results); });
}

void CPortalHotkeys::OnShortcutsListed(uint nResponse, const QVariantMap& results) {
    // A desktop that took the shortcuts with the session has them already;
    // binding them again would only show the person its shortcut settings.
    QStringList listed;
    if (nResponse == kPortalGranted) {
        for (const CPortalShortcut& shortcut :
             qdbus_cast<CPortalShortcuts>(results.value(QStringLiteral("shortcuts")).value<QDBusArgument>())) {
            listed.append(shortcut.strId);
        }
    }
    const CPortalShortcuts wanted = ShortcutsOf(m_triggers);
    if (std::all_of(wanted.begin(), wanted.end(),
                    [&listed](const CPortalShortcut& shortcut) { return listed.contains(shortcut.strId); })) {
        return;
    }
    Request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_strSession)), QVariant::fromValue(wanted), QString(), QVariantMap()},
            [](uint nResponse, const QVariantMap&) {
                if (nResponse != kPortalGranted)
                    qCWarning(lcSorvanta) << "the desktop refused the shortcuts, response" << nResponse;
            });
}

int CPortalHotkeys::HotkeyOfShortcut(const QDBusObjectPath& session, const QString& strShortcut) const {
    if (session.path() != m_strSession) return 0;
    for (const auto& [nId, trigger] : m_triggers) {
        if (strShortcut == ShortcutId(nId, trigger)) return nId;
    }
    return 0;
}

void CPortalHotkeys::OnActivated(const QDBusObjectPath& session, const QString& strShortcut, qulonglong,
                                 const QVariantMap&) {
    if (const int nId = HotkeyOfShortcut(session, strShortcut)) emit HotKeyPressed(nId);
}

void CPortalHotkeys::OnDeactivated(const QDBusObjectPath& session, const QString& strShortcut, qulonglong,
                                   const QVariantMap&) {
    if (const int nId = HotkeyOfShortcut(session, strShortcut)) emit HotKeyReleased(nId);
}

void CPortalHotkeys::Request(const QString& strMethod, const QList<QVariant>& arguments,
                             CPortalRequest::Answer answer) {
    m_pRequest = CPortalRequest::Send(Bus(), kShortcutsInterface, strMethod, arguments, this, std::move(answer));
}

void CPortalHotkeys::EndRequest() {
    if (m_pRequest) m_pRequest->Cancel();
}

QDBusConnection CPortalHotkeys::Bus() const {
    return QDBusConnection(m_strConnection);
}

void CPortalHotkeys::CloseSession() {
    if (m_strConnection.isEmpty()) return;
    if (!m_strSession.isEmpty()) {
        Bus().call(
            QDBusMessage::createMethodCall(kPortalService, m_strSession,
                                           QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Close")),
            QDBus::Block, kCloseTimeoutMs);
    }
    QDBusConnection::disconnectFromBus(m_strConnection);  // the portal ends whatever else was the connection's
    m_strConnection.clear();
    m_strSession.clear();
}

}  // namespace sorvanta
