// System-wide hot keys on X11: key grabs on the root window, seen by a native
// event filter. Used only when the platform is xcb with a real display.
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>

// Xlib's macros (Status, Bool) must come after Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon.h>

#include <map>
#include <vector>

#include "platform/hotkeys_x11.h"
#include "platform/log.h"
#include "text/codec.h"

namespace sorvanta {

namespace {

// The modifiers that make a hot key; NumLock (Mod2) and CapsLock (Lock) are
// ignored by grabbing every combination of them too.
constexpr unsigned kRelevantMask = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;
constexpr unsigned kLockVariants[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};

// Set by the error handler during one synchronous grab; Xlib's handler is a
// plain function, so the flag cannot live in the layer object.
bool g_bGrabFailed = false;

int RecordGrabError(Display*, XErrorEvent* pError) {
    if (pError->error_code == BadAccess) g_bGrabFailed = true;
    return 0;
}

unsigned X11Modifiers(unsigned nModifiers) {
    unsigned mask = 0;
    if (nModifiers & kModAlt) mask |= Mod1Mask;
    if (nModifiers & kModControl) mask |= ControlMask;
    if (nModifiers & kModWin) mask |= Mod4Mask;
    if (nModifiers & kModShift) mask |= ShiftMask;
    return mask;
}

// The key code that produces the character in the keyboard's current group,
// letter case ignored, or 0 when no key does.
KeyCode KeyOfCharacter(Display* pDisplay, char chKey) {
    const char32_t code = Cp1251ToUnicode(chKey);
    if (code == 0) return 0;
    const std::u32string wanted{code};
    XkbStateRec state{};
    XkbGetState(pDisplay, XkbUseCoreKbd, &state);
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(pDisplay, &minCode, &maxCode);
    for (int group : {static_cast<int>(state.group), 0}) {
        for (int keycode = minCode; keycode <= maxCode; ++keycode) {
            for (int level = 0; level < 2; ++level) {
                const KeySym keysym = XkbKeycodeToKeysym(pDisplay, static_cast<KeyCode>(keycode), group, level);
                if (keysym == NoSymbol) continue;
                const char32_t produced = xkb_keysym_to_utf32(static_cast<xkb_keysym_t>(keysym));
                if (produced == 0) continue;
                const bool bSame =
                    produced == code || (QChar::toLower(produced) == QChar::toLower(code) && QChar::isLetter(code));
                if (bSame) return static_cast<KeyCode>(keycode);
            }
        }
    }
    return 0;
}

class CX11Hotkeys : public CHotkeyLayer, public QAbstractNativeEventFilter {
public:
    explicit CX11Hotkeys(Display* pDisplay) : m_pDisplay(pDisplay), m_root(DefaultRootWindow(pDisplay)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~CX11Hotkeys() override {
        if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeNativeEventFilter(this);
        std::vector<int> ids;
        for (const auto& entry : m_grabs) ids.push_back(entry.first);
        for (int nId : ids) UnregisterHotKey(nId);
    }

    bool RegisterHotKey(int nId, unsigned nModifiers, char chKey) override {
        UnregisterHotKey(nId);
        const KeyCode keycode = KeyOfCharacter(m_pDisplay, chKey);
        if (keycode == 0) {
            qCWarning(lcSorvanta, "hot key %d: no key of the keyboard layout gives the character", nId);
            return false;
        }
        const CGrab grab{keycode, X11Modifiers(nModifiers)};
        if (!Grab(grab)) {
            qCWarning(lcSorvanta, "hot key %d: another program holds the combination", nId);
            return false;
        }
        m_grabs[nId] = grab;
        return true;
    }

    HotkeyStatus Probe(int nId, unsigned nModifiers, char chKey) override {
        const KeyCode keycode = KeyOfCharacter(m_pDisplay, chKey);
        if (keycode == 0) return HotkeyStatus::NoKey;
        const CGrab grab{keycode, X11Modifiers(nModifiers)};
        const auto held = m_grabs.find(nId);
        if (held != m_grabs.end() && held->second.keycode == grab.keycode && held->second.modifiers == grab.modifiers)
            return HotkeyStatus::Available;
        if (!Grab(grab)) return HotkeyStatus::Taken;
        Ungrab(grab);
        return HotkeyStatus::Available;
    }

    void UnregisterHotKey(int nId) override {
        const auto found = m_grabs.find(nId);
        if (found == m_grabs.end()) return;
        Ungrab(found->second);
        m_grabs.erase(found);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* pMessage, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        const auto* pEvent = static_cast<const xcb_generic_event_t*>(pMessage);
        if ((pEvent->response_type & 0x7F) != XCB_KEY_PRESS) return false;
        const auto* pKey = reinterpret_cast<const xcb_key_press_event_t*>(pEvent);
        for (const auto& [nId, grab] : m_grabs) {
            if (pKey->detail == grab.keycode && (pKey->state & kRelevantMask) == grab.modifiers) {
                qCDebug(lcSorvanta, "hot key %d pressed at %u", nId, pKey->time);
                emit HotKeyPressed(nId);
                return true;
            }
        }
        return false;
    }

private:
    struct CGrab {
        KeyCode keycode;
        unsigned modifiers;
    };

    // Grabs every lock variant of the combination; none when another program
    // holds one of them.
    bool Grab(const CGrab& grab) {
        XSync(m_pDisplay, False);
        g_bGrabFailed = false;
        XErrorHandler previous = XSetErrorHandler(RecordGrabError);
        for (unsigned lock : kLockVariants) {
            XGrabKey(m_pDisplay, grab.keycode, grab.modifiers | lock, m_root, True, GrabModeAsync, GrabModeAsync);
        }
        XSync(m_pDisplay, False);
        XSetErrorHandler(previous);
        if (g_bGrabFailed) Ungrab(grab);  // keep no half-registered hot key
        return !g_bGrabFailed;
    }

    void Ungrab(const CGrab& grab) {
        for (unsigned lock : kLockVariants) XUngrabKey(m_pDisplay, grab.keycode, grab.modifiers | lock, m_root);
        XSync(m_pDisplay, False);
    }

    Display* m_pDisplay;
    Window m_root;
    std::map<int, CGrab> m_grabs;
};

}  // namespace

std::unique_ptr<CHotkeyLayer> CreateX11Hotkeys() {
    // Under the offscreen platform the X11 interface may exist with no display.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto* pX11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            if (Display* pDisplay = pX11->display()) return std::make_unique<CX11Hotkeys>(pDisplay);
        }
    }
    return nullptr;
}

}  // namespace sorvanta
