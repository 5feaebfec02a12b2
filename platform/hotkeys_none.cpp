// Platforms without system-wide hot keys: every registration fails silently.
#include "platform/hotkeys.h"
#include "platform/nohotkeys.h"

namespace sorvanta {

std::unique_ptr<CHotkeyLayer> CreatePlatformHotkeyLayer() {
    return std::make_unique<CNoHotkeys>();
}

}  // namespace sorvanta
