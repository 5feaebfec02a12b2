// Drives a KWin Wayland session the way a person would, through the
// compositor's own input path, and lists its windows:
//   wayland_drive key ctrl+alt+b      presses the keys in order, releases them in reverse
//   wayland_drive type "Jn 3:16"      types the text on a US keyboard
//   wayland_drive windows             one line per window: active minimized x y width height title
// KWin offers these protocols only when it runs without permission checks.
#include <linux/input-event-codes.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fake-input-client-protocol.h"
#include "plasma-window-management-client-protocol.h"

namespace {

constexpr useconds_t kStepUs = 20000;  // between a press and its release

struct CGlobals {
    org_kde_kwin_fake_input* pInput = nullptr;
    org_kde_plasma_window_management* pWindows = nullptr;
    std::vector<std::string> uuids;
};

struct CWindow {
    std::string title;
    uint32_t flags = 0;
    int x = 0, y = 0;
    uint32_t width = 0, height = 0;
};

void OnGlobal(void* pData, wl_registry* pRegistry, uint32_t name, const char* pInterface, uint32_t version) {
    auto* pGlobals = static_cast<CGlobals*>(pData);
    if (std::strcmp(pInterface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4) {
        pGlobals->pInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(pRegistry, name, &org_kde_kwin_fake_input_interface, 4));
    } else if (std::strcmp(pInterface, org_kde_plasma_window_management_interface.name) == 0 && version >= 13) {
        pGlobals->pWindows = static_cast<org_kde_plasma_window_management*>(
            wl_registry_bind(pRegistry, name, &org_kde_plasma_window_management_interface, 13));
    }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener{OnGlobal, OnGlobalRemove};

// The rows of a US keyboard, each from its first key code; the second
// string of a row is what the keys give with Shift.
struct CKeyRow {
    const char* plain;
    const char* shifted;
    int first;
};
constexpr CKeyRow kRows[]{{"1234567890-=", "!@#$%^&*()_+", KEY_1},
                          {"qwertyuiop[]", "QWERTYUIOP{}", KEY_Q},
                          {"asdfghjkl;'", "ASDFGHJKL:\"", KEY_A},
                          {"zxcvbnm,./", "ZXCVBNM<>?", KEY_Z}};

// The key code of a character and whether it needs Shift; -1 for none.
std::pair<int, bool> CharacterKey(char ch) {
    if (ch == ' ') return {KEY_SPACE, false};
    for (const CKeyRow& row : kRows) {
        for (const bool bShift : {false, true}) {
            const char* pKeys = bShift ? row.shifted : row.plain;
            if (const char* p = std::strchr(pKeys, ch); p != nullptr && ch != 0)
                return {row.first + int(p - pKeys), bShift};
        }
    }
    return {-1, false};
}

// Linux key codes of the key names the tests use, and of the characters.
int KeyCode(const std::string& name) {
    static const std::map<std::string, int> kNamed{
        {"ctrl", KEY_LEFTCTRL}, {"alt", KEY_LEFTALT},  {"super", KEY_LEFTMETA}, {"shift", KEY_LEFTSHIFT},
        {"escape", KEY_ESC},    {"return", KEY_ENTER}, {"up", KEY_UP},          {"down", KEY_DOWN},
        {"tab", KEY_TAB},       {"space", KEY_SPACE},  {"left", KEY_LEFT},      {"end", KEY_END}};
    if (const auto found = kNamed.find(name); found != kNamed.end()) return found->second;
    if (name.size() == 1 && !CharacterKey(name[0]).second) return CharacterKey(name[0]).first;
    return -1;
}

void SendKey(wl_display* pDisplay, org_kde_kwin_fake_input* pInput, int code, uint32_t state) {
    org_kde_kwin_fake_input_keyboard_key(pInput, static_cast<uint32_t>(code), state);
    wl_display_roundtrip(pDisplay);
}

void PressCodes(wl_display* pDisplay, org_kde_kwin_fake_input* pInput, const std::vector<int>& codes) {
    for (int code : codes) {
        SendKey(pDisplay, pInput, code, WL_KEYBOARD_KEY_STATE_PRESSED);
        usleep(kStepUs);
    }
    for (auto code = codes.rbegin(); code != codes.rend(); ++code)
        SendKey(pDisplay, pInput, *code, WL_KEYBOARD_KEY_STATE_RELEASED);
}

int PressKeys(wl_display* pDisplay, org_kde_kwin_fake_input* pInput, const std::string& combination) {
    std::vector<int> codes;
    std::istringstream parts(combination);
    for (std::string part; std::getline(parts, part, '+');) {
        const int code = KeyCode(part);
        if (code < 0) {
            std::fprintf(stderr, "unknown key: %s\n", part.c_str());
            return 2;
        }
        codes.push_back(code);
    }
    PressCodes(pDisplay, pInput, codes);
    return 0;
}

// Types the text key by key, as a person does on a US keyboard.
int TypeText(wl_display* pDisplay, org_kde_kwin_fake_input* pInput, const std::string& text) {
    for (char ch : text) {
        const auto [code, bShift] = CharacterKey(ch);
        if (code < 0) {
            std::fprintf(stderr, "no key types: %c\n", ch);
            return 2;
        }
        PressCodes(pDisplay, pInput, bShift ? std::vector<int>{KEY_LEFTSHIFT, code} : std::vector<int>{code});
        usleep(kStepUs);
    }
    return 0;
}

// --- windows -------------------------------------------------------------------------------------

void OnWindowUuid(void* pData, org_kde_plasma_window_management*, uint32_t, const char* pUuid) {
    static_cast<CGlobals*>(pData)->uuids.emplace_back(pUuid);
}

template <typename... Args>
void Ignore(void*, Args...) {}

const org_kde_plasma_window_management_listener kManagementListener{
    Ignore<org_kde_plasma_window_management*, uint32_t>,
    Ignore<org_kde_plasma_window_management*, uint32_t>,
    Ignore<org_kde_plasma_window_management*, wl_array*>,
    Ignore<org_kde_plasma_window_management*, const char*>,
    OnWindowUuid,
};

void OnTitle(void* pData, org_kde_plasma_window*, const char* pTitle) {
    static_cast<CWindow*>(pData)->title = pTitle;
}

void OnState(void* pData, org_kde_plasma_window*, uint32_t flags) {
    static_cast<CWindow*>(pData)->flags = flags;
}

void OnGeometry(void* pData, org_kde_plasma_window*, int32_t x, int32_t y, uint32_t width, uint32_t height) {
    auto* pWindow = static_cast<CWindow*>(pData);
    pWindow->x = x;
    pWindow->y = y;
    pWindow->width = width;
    pWindow->height = height;
}

using Window = org_kde_plasma_window*;
const org_kde_plasma_window_listener kWindowListener{
    OnTitle,
    Ignore<Window, const char*>,  // app id
    OnState,
    Ignore<Window, int32_t>,      // virtual desktop
    Ignore<Window, const char*>,  // themed icon name
    Ignore<Window>,               // unmapped
    Ignore<Window>,               // initial state
    Ignore<Window, Window>,       // parent window
    OnGeometry,
    Ignore<Window>,                            // icon changed
    Ignore<Window, uint32_t>,                  // pid
    Ignore<Window, const char*>,               // virtual desktop entered
    Ignore<Window, const char*>,               // virtual desktop left
    Ignore<Window, const char*, const char*>,  // application menu
    Ignore<Window, const char*>,               // activity entered
    Ignore<Window, const char*>,               // activity left
    Ignore<Window, const char*>,               // resource name
};

int ListWindows(wl_display* pDisplay, CGlobals& globals) {
    org_kde_plasma_window_management_add_listener(globals.pWindows, &kManagementListener, &globals);
    wl_display_roundtrip(pDisplay);
    std::vector<std::unique_ptr<CWindow>> windows;
    std::vector<Window> proxies;
    for (const std::string& uuid : globals.uuids) {
        windows.push_back(std::make_unique<CWindow>());
        proxies.push_back(org_kde_plasma_window_management_get_window_by_uuid(globals.pWindows, uuid.c_str()));
        org_kde_plasma_window_add_listener(proxies.back(), &kWindowListener, windows.back().get());
    }
    wl_display_roundtrip(pDisplay);
    wl_display_roundtrip(pDisplay);
    for (Window pWindow : proxies) org_kde_plasma_window_destroy(pWindow);
    for (const auto& pWindow : windows) {
        const bool bActive = pWindow->flags & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE;
        const bool bMinimized = pWindow->flags & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED;
        std::printf("%d %d %d %d %u %u %s\n", bActive ? 1 : 0, bMinimized ? 1 : 0, pWindow->x, pWindow->y,
                    pWindow->width, pWindow->height, pWindow->title.c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    wl_display* pDisplay = wl_display_connect(nullptr);
    if (pDisplay == nullptr || args.empty()) return 2;
    CGlobals globals;
    wl_registry* pRegistry = wl_display_get_registry(pDisplay);
    wl_registry_add_listener(pRegistry, &kRegistryListener, &globals);
    wl_display_roundtrip(pDisplay);
    int result = 2;
    if (args[0] == "windows" && globals.pWindows != nullptr) {
        result = ListWindows(pDisplay, globals);
    } else if (globals.pInput != nullptr) {
        org_kde_kwin_fake_input_authenticate(globals.pInput, "sorvanta tests", "end-to-end tests");
        if (args[0] == "key" && args.size() == 2) result = PressKeys(pDisplay, globals.pInput, args[1]);
        if (args[0] == "type" && args.size() == 2) result = TypeText(pDisplay, globals.pInput, args[1]);
    }
    if (result == 2) std::fprintf(stderr, "usage: wayland_drive key K1+K2... | type TEXT | windows\n");
    if (globals.pInput != nullptr) org_kde_kwin_fake_input_destroy(globals.pInput);
    if (globals.pWindows != nullptr) org_kde_plasma_window_management_destroy(globals.pWindows);
    wl_registry_destroy(pRegistry);
    wl_display_roundtrip(pDisplay);
    wl_display_disconnect(pDisplay);
    return result;
}
