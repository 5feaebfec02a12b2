// System-wide hot keys on Wayland: the desktop portal's global shortcuts.
// The desktop owns the keys; the program asks for its shortcuts in a portal
// session and hears through the portal when one of them is pressed.
#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QPointer>
#include <QVariantMap>
#include <map>
#include <memory>

#include "platform/hotkeys.h"
#include "platform/portalrequest.h"

namespace sorvanta {

class CPortalHotkeys : public CHotkeyLayer {
    Q_OBJECT
public:
    // The layer when the session bus has a portal that offers global
    // shortcuts; null otherwise.
    static std::unique_ptr<CPortalHotkeys> Create();
    ~CPortalHotkeys() override;

    // Both ask the portal again, once for all changes made in one go; its
    // answer comes later, and a refusal is only logged.
    bool RegisterHotKey(int nId, unsigned nModifiers, char chKey) override;
    void UnregisterHotKey(int nId) override;

private slots:
    void OnActivated(const QDBusObjectPath& session, const QString& strShortcut, qulonglong nTimestamp,
                     const QVariantMap& options);
    void OnDeactivated(const QDBusObjectPath& session, const QString& strShortcut, qulonglong nTimestamp,
                       const QVariantMap& options);

private:
    CPortalHotkeys();

    void ScheduleSession();
    // Closes the session that is open and opens one with the shortcuts as
    // they are now: the portal's way to change them.
    void OpenSession();
    void CloseSession();
    void OnSessionCreated(uint nResponse, const QVariantMap& results);
    void OnShortcutsListed(uint nResponse, const QVariantMap& results);
    // Calls a portal method of the global shortcuts; one request is awaited
    // at a time.
    void Request(const QString& strMethod, const QList<QVariant>& arguments, CPortalRequest::Answer answer);
    void EndRequest();
    // The hot key whose shortcut the desktop names so, or 0.
    int HotkeyOfShortcut(const QDBusObjectPath& session, const QString& strShortcut) const;
    QDBusConnection Bus() const;  // the open session's connection

    QString m_strConnection;              // the name of the open session's connection
    std::map<int, QString> m_triggers;    // hot-key id -> portal trigger
    QString m_strSession;                 // the open session's object path
    QPointer<CPortalRequest> m_pRequest;  // the awaited request
    bool m_bSessionScheduled = false;
    int m_nSessions = 0;
};

}  // namespace sorvanta
