// The writer's window in the session the program runs in: X11 with XTest, a
// Wayland desktop's remote-desktop portal, none otherwise.
#include <QGuiApplication>

#include "platform/documentwindows_portal.h"
#include "platform/documentwindows_x11.h"

namespace sorvanta {

std::unique_ptr<CDocumentWindows> CreateDocumentWindows(const CHotkeyLayer& hotkeys) {
    if (auto pX11 = CreateX11DocumentWindows()) return pX11;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return CreatePortalDocumentWindows(hotkeys);
    return nullptr;
}

}  // namespace sorvanta
