// The window of the program the person writes in: remembered when Sorvanta
// is called up, made active again afterwards, and pasted into.
#pragma once

#include <cstdint>
#include <memory>

namespace sorvanta {

class CHotkeyLayer;

class CDocumentWindows {
public:
    virtual ~CDocumentWindows() = default;
    // Asks for leave to paste where the desktop asks the person first, so
    // that the question comes before a paste is due; once granted it lasts.
    // A refusal stands until `bAskAgain`.
    virtual void PrepareToPaste(bool /*bAskAgain*/) {}
    // The window that is active now (0 when none is).
    virtual std::uint64_t ActiveWindow() = 0;
    // Asks the desktop to make the window active again; false when it is gone.
    virtual bool Activate(std::uint64_t window) = 0;
    // Whether the window has the keyboard focus and no modifier key is held,
    // so that a paste key goes to it as a plain paste.
    virtual bool ReadyForPaste(std::uint64_t window) = 0;
    // Presses and releases the paste key (Ctrl+V) where the focus is.
    virtual void SendPasteKey() = 0;
    // Whether the text selected in the writer's window can be read from here
    // (the primary selection) while that window has the focus.
    virtual bool ReadsSelection() const { return true; }
};

// The platform's way, or null where a program cannot do this (X11 without
// the XTest extension, a Wayland desktop whose portal offers no keyboard).
// The hot keys tell a desktop that owns the keyboard when they are let go.
std::unique_ptr<CDocumentWindows> CreateDocumentWindows(const CHotkeyLayer& hotkeys);

}  // namespace sorvanta
