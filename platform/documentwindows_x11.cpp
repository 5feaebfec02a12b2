// The writer's window on X11: the window manager's active window, activated
// with a _NET_ACTIVE_WINDOW request, and the paste key through XTest.
#include <QGuiApplication>

// Xlib's macros (Status, Bool) must come after Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "platform/documentwindows_x11.h"

namespace sorvanta {

namespace {

// Set by the error handler while a window that may be gone is asked about.
bool g_bWindowGone = false;

int RecordWindowError(Display*, XErrorEvent*) {
    g_bWindowGone = true;
    return 0;
}

class CX11DocumentWindows : public CDocumentWindows {
public:
    explicit CX11DocumentWindows(Display* pDisplay)
        : m_pDisplay(pDisplay),
          m_root(DefaultRootWindow(pDisplay)),
          m_activeAtom(XInternAtom(pDisplay, "_NET_ACTIVE_WINDOW", False)) {}

    std::uint64_t ActiveWindow() override {
        if (const Window active = NetActiveWindow(); active != None) return active;
        Window focus = None;
        int revert = 0;
        XGetInputFocus(m_pDisplay, &focus, &revert);
        return focus == PointerRoot || focus == m_root ? None : focus;
    }

    bool Activate(std::uint64_t window) override {
        if (!Exists(window)) return false;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = m_activeAtom;
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;  // the request comes from a pager-like tool, on the person's behalf
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(m_pDisplay, m_root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(m_pDisplay);
        return true;
    }

    bool ReadyForPaste(std::uint64_t window) override { return !ModifierHeld() && FocusIsWithin(window); }

    void SendPasteKey() override {
        const KeyCode control = XKeysymToKeycode(m_pDisplay, XK_Control_L);
        const KeyCode v = XKeysymToKeycode(m_pDisplay, XK_v);
        XTestFakeKeyEvent(m_pDisplay, control, True, CurrentTime);
        XTestFakeKeyEvent(m_pDisplay, v, True, CurrentTime);
        XTestFakeKeyEvent(m_pDisplay, v, False, CurrentTime);
        XTestFakeKeyEvent(m_pDisplay, control, False, CurrentTime);
        XFlush(m_pDisplay);
    }

private:
    Window NetActiveWindow() {
        Atom type = None;
        int format = 0;
        unsigned long nItems = 0;
        unsigned long nAfter = 0;
        unsigned char* pData = nullptr;
        Window active = None;
        if (XGetWindowProperty(m_pDisplay, m_root, m_activeAtom, 0, 1, False, XA_WINDOW, &type, &format, &nItems,
                               &nAfter, &pData) == Success &&
            type == XA_WINDOW && format == 32 && nItems == 1) {
            active = *reinterpret_cast<Window*>(pData);
        }
        if (pData != nullptr) XFree(pData);
        return active;
    }

    bool Exists(Window window) {
        XSync(m_pDisplay, False);
        g_bWindowGone = false;
        XErrorHandler previous = XSetErrorHandler(RecordWindowError);
        XWindowAttributes attributes{};
        const bool bGot = XGetWindowAttributes(m_pDisplay, window, &attributes) != 0;
        XSync(m_pDisplay, False);
        XSetErrorHandler(previous);
        return bGot && !g_bWindowGone && attributes.map_state == IsViewable;
    }

    // The focus is on the window or inside it.
    bool FocusIsWithin(Window window) {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(m_pDisplay, &focus, &revert);
        XErrorHandler previous = XSetErrorHandler(RecordWindowError);
        bool bWithin = false;
        while (focus != None && focus != PointerRoot && focus != m_root) {
            if (focus == window) {
                bWithin = true;
                break;
            }
            Window root = None;
            Window parent = None;
            Window* pChildren = nullptr;
            unsigned nChildren = 0;
            if (XQueryTree(m_pDisplay, focus, &root, &parent, &pChildren, &nChildren) == 0) break;
            if (pChildren != nullptr) XFree(pChildren);
            focus = parent;
        }
        XSync(m_pDisplay, False);
        XSetErrorHandler(previous);
        return bWithin;
    }

    bool ModifierHeld() {
        XkbStateRec state{};
        XkbGetState(m_pDisplay, XkbUseCoreKbd, &state);
        return (state.mods & (ShiftMask | ControlMask | Mod1Mask | Mod4Mask)) != 0;
    }

    Display* m_pDisplay;
    Window m_root;
    Atom m_activeAtom;
};

}  // namespace

std::unique_ptr<CDocumentWindows> CreateX11DocumentWindows() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* pX11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* pDisplay = pX11 == nullptr ? nullptr : pX11->display();
    if (pDisplay == nullptr) return nullptr;
    int nEvent = 0;
    int nError = 0;
    int nMajor = 0;
    int nMinor = 0;
    if (!XTestQueryExtension(pDisplay, &nEvent, &nError, &nMajor, &nMinor)) return nullptr;
    return std::make_unique<CX11DocumentWindows>(pDisplay);
}

}  // namespace sorvanta
