// System-wide hot keys on X11: key grabs on the root window.
#pragma once

#include <memory>

#include "platform/hotkeys.h"

namespace sorvanta {

// The layer when the program runs on the xcb platform with a display; null otherwise.
std::unique_ptr<CHotkeyLayer> CreateX11Hotkeys();

}  // namespace sorvanta
