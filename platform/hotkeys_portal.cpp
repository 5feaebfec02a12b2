#include "platform/hotkeys_portal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <algorithm>

#include "platform/log.h"
#include "platform/portaltrigger.h"

namespace sorvanta {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
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
    // The shortcuts go with the session too: some desktops take them only there.
    Request(QStringLiteral("CreateSession"),
            {QVariantMap{{QStringLiteral("session_handle_token"), kSessionToken},
                         {QStringLiteral("shortcuts"), QVariant::fromValue(ShortcutsOf(m_triggers))}}},
            SLOT(OnSessionCreated(uint, QVariantMap)));
}

void CPortalHotkeys::OnSessionCreated(uint nResponse, const QVariantMap& results) {
    EndRequest();
    if (nResponse != 0) {
        qCWarning(lcSorvanta) << "the desktop portal opened no shortcut session, response" << nResponse;
        return;
    }
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    m_strSession = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
    Request(QStringLiteral("ListShortcuts"), {QVariant::fromValue(QDBusObjectPath(m_strSession)), QVariantMap()},
            SLOT(OnShortcutsListed(uint, QVariantMap)));
}

void CPortalHotkeys::OnShortcutsListed(uint nResponse, const QVariantMap& results) {
    EndRequest();
    // A desktop that took the shortcuts with the session has them already;
    // binding them again would only show the person its shortcut settings.
    QStringList listed;
    if (nResponse == 0) {
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
            SLOT(OnShortcutsBound(uint, QVariantMap)));
}

void CPortalHotkeys::OnShortcutsBound(uint nResponse, const QVariantMap&) {
    EndRequest();
    if (nResponse != 0) qCWarning(lcSorvanta) << "the desktop refused the shortcuts, response" << nResponse;
}

void CPortalHotkeys::OnActivated(const QDBusObjectPath& session, const QString& strShortcut, qulonglong,
                                 const QVariantMap&) {
    if (session.path() != m_strSession) return;
    for (const auto& [nId, trigger] : m_triggers) {
        if (strShortcut == ShortcutId(nId, trigger)) emit HotKeyPressed(nId);
    }
}

void CPortalHotkeys::Request(const QString& strMethod, QList<QVariant> arguments, const char* pSlot) {
    // The portal answers on a request object whose path the caller can know
    // beforehand, so the answer is listened for before the call is made.
    const QString token = QStringLiteral("sorvanta%1").arg(++m_nRequests);
    QVariantMap options = arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    const QString sender = Bus().baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    m_strRequest = QStringLiteral("%1/request/%2/%3").arg(kPortalPath, sender, token);
    m_pRequestSlot = pSlot;
    Bus().connect(kPortalService, m_strRequest, kRequestInterface, QStringLiteral("Response"), this, pSlot);

    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kShortcutsInterface, strMethod);
    call.setArguments(arguments);
    auto* pWatcher = new QDBusPendingCallWatcher(Bus().asyncCall(call), this);
    connect(pWatcher, &QDBusPendingCallWatcher::finished, this, [this, strMethod, token](QDBusPendingCallWatcher* p) {
        p->deleteLater();
        if (!p->isError()) return;
        qCWarning(lcSorvanta) << "the desktop portal refused" << strMethod << ":" << p->error().message();
        if (m_strRequest.endsWith(QLatin1Char('/') + token)) EndRequest();
    });
}

void CPortalHotkeys::EndRequest() {
    if (m_pRequestSlot == nullptr) return;
    Bus().disconnect(kPortalService, m_strRequest, kRequestInterface, QStringLiteral("Response"), this, m_pRequestSlot);
    m_strRequest.clear();
    m_pRequestSlot = nullptr;
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
