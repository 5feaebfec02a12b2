// The hot-key layer of a platform without system-wide hot keys.
#pragma once

#include "platform/hotkeys.h"

namespace sorvanta {

class CNoHotkeys : public CHotkeyLayer {
public:
    bool RegisterHotKey(int, unsigned, char) override { return false; }
    void UnregisterHotKey(int) override {}
};

}  // namespace sorvanta
