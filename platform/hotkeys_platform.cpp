// The hot keys of the session the program runs in: X11 key grabs on the xcb
// platform, the desktop portal's global shortcuts on Wayland when the portal
// offers them, none otherwise.
#include <QGuiApplication>

#include "platform/hotkeys.h"
#include "platform/hotkeys_portal.h"
#include "platform/hotkeys_x11.h"
#include "platform/nohotkeys.h"

namespace sorvanta {

std::unique_ptr<CHotkeyLayer> CreatePlatformHotkeyLayer() {
    if (auto pX11 = CreateX11Hotkeys()) return pX11;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        if (auto pPortal = CPortalHotkeys::Create()) return pPortal;
    }
    return std::make_unique<CNoHotkeys>();
}

}  // namespace sorvanta
