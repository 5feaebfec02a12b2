// The writer's window on Wayland, where a program knows no window but its
// own and the desktop owns the keyboard: the paste key is typed through the
// desktop portal's remote desktop, which the desktop lets the program use
// once the person allows it.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include "platform/documentwindows.h"
#include "platform/portalrequest.h"

namespace sorvanta {

// What the program knows of the writer's window on Wayland: that one of
// another program had the focus when it was called up. The desktop gives
// that window the focus back when the program's own windows go.
inline constexpr std::uint64_t kFocusBeforeCallUp = ~std::uint64_t{0};

class CPortalDocumentWindows : public QObject, public CDocumentWindows {
    Q_OBJECT
public:
    explicit CPortalDocumentWindows(const CHotkeyLayer& hotkeys);
    ~CPortalDocumentWindows() override;

    void PrepareToPaste(bool bAskAgain) override;
    // One of the program's own windows, or kFocusBeforeCallUp while none of
    // them has the focus.
    std::uint64_t ActiveWindow() override;
    // Nothing to do: the window comes back when the program's windows hide.
    bool Activate(std::uint64_t window) override;
    // None of the program's windows has the focus and no hot key is held.
    bool ReadyForPaste(std::uint64_t window) override;
    // Typed once the desktop allows it; after a refusal nothing is.
    void SendPasteKey() override;
    // KWin offers the primary selection only to the program with the
    // keyboard focus, and Qt forgets it when the focus goes: the writer's
    // selection is never seen from here.
    bool ReadsSelection() const override { return false; }

private slots:
    void OnSessionClosed();

private:
    enum class Leave { NotAsked, Asking, Granted, Refused };

    void Ask();
    void OnSessionCreated(uint nResponse, const QVariantMap& results);
    void OnDevicesSelected(uint nResponse);
    void OnStarted(uint nResponse, const QVariantMap& results);
    void Refused(const char* pWhy);
    // Types the paste key's steps from `nStep` on, one after another.
    void TypePasteKey(std::size_t nStep);
    void CloseSession();
    void Request(const QString& strMethod, const QList<QVariant>& arguments, CPortalRequest::Answer answer);

    QDBusConnection m_bus;
    Leave m_leave = Leave::NotAsked;
    QString m_strSession;  // the remote-desktop session's object path
    QPointer<CPortalRequest> m_pRequest;
    bool m_bPasteDue = false;  // a paste waits for the person's answer
    int m_nHeldHotkey = 0;     // the hot key pressed and not yet let go
};

// The way when the session bus has a portal whose remote desktop offers a
// keyboard; null otherwise.
std::unique_ptr<CDocumentWindows> CreatePortalDocumentWindows(const CHotkeyLayer& hotkeys);

}  // namespace sorvanta
