// Platforms without system-wide hot keys: every registration fails silently.
#include "app/hotkeys.h"
#include "app/nohotkeys.h"

namespace sorvanta {

std::unique_ptr<CHotkeyLayer> CreatePlatformHotkeyLayer() {
    return std::make_unique<CNoHotkeys>();
}

}  // namespace sorvanta
