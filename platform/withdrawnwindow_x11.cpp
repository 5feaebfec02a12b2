// The initial-state hint of a withdrawn window on X11 (ICCCM 4.1.2.4); the
// window manager reads it when the window is mapped.
#include <QGuiApplication>
#include <QWindow>

// Xlib's macros (Status, Bool) must come after Qt's headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "platform/withdrawnwindow.h"

namespace sorvanta {

void MarkWithdrawnWindowNormal(QWindow* pWindow) {
    if (pWindow == nullptr || pWindow->handle() == nullptr) return;
    auto* pX11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* pDisplay = pX11 == nullptr ? nullptr : pX11->display();
    if (pDisplay == nullptr) return;
    const Window window = pWindow->winId();
    XWMHints* pHints = XGetWMHints(pDisplay, window);
    XWMHints hints = pHints == nullptr ? XWMHints{} : *pHints;
    if (pHints != nullptr) XFree(pHints);
    if ((hints.flags & StateHint) != 0 && hints.initial_state == NormalState) return;
    hints.flags |= StateHint;
    hints.initial_state = NormalState;
    XSetWMHints(pDisplay, window, &hints);
    XFlush(pDisplay);
}

}  // namespace sorvanta
