// System-wide hot keys: one interface, one implementation per platform.
#pragma once

#include <QObject>
#include <memory>

namespace sorvanta {

// Modifier bits as the host platform numbers them.
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;
inline constexpr unsigned kModWin = 8;

inline constexpr int kHotkeyLaunch = 1;   // Ctrl+Alt+character: start the host
inline constexpr int kHotkeyRestore = 2;  // Win+character: bring the window back
inline constexpr int kHotkeyReplace = 3;  // Win+Shift+character: quote the selected reference over it

// The modifiers hot key `nId` is registered with.
constexpr unsigned HotkeyModifiers(int nId) {
    switch (nId) {
        case kHotkeyLaunch: return kModAlt | kModControl;
        case kHotkeyReplace: return kModWin | kModShift;
        default: return kModWin;
    }
}

// Whether a combination can be had, or why not.
enum class HotkeyStatus {
    Available,  // free, or held by this program for that hot key
    Taken,      // another program holds it
    NoKey,      // no key of the current keyboard layout gives the character
    Unknown,    // the platform does not tell
};

class CHotkeyLayer : public QObject {
    Q_OBJECT
public:
    // Registers the key that produces the code page 1251 character `chKey` in
    // the current keyboard layout (letter case ignored) with the modifiers.
    // Fails silently (false) when no key produces the character, when another
    // program holds the combination, or when the platform has no hot keys.
    virtual bool RegisterHotKey(int nId, unsigned nModifiers, char chKey) = 0;
    virtual void UnregisterHotKey(int nId) = 0;
    // Why registering the combination as hot key `nId` would fail, without
    // registering it; the combination `nId` holds now counts as available.
    virtual HotkeyStatus Probe(int, unsigned, char) { return HotkeyStatus::Unknown; }

signals:
    void HotKeyPressed(int nId);
    // The hot key's keys are let go; only where the platform tells (the
    // desktop portal).
    void HotKeyReleased(int nId);
};

// The layer of the platform the program runs on; one that registers nothing
// where system-wide hot keys are not available.
std::unique_ptr<CHotkeyLayer> CreatePlatformHotkeyLayer();

}  // namespace sorvanta
