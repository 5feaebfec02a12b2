// Holds a key combination the way another program would: grabs Ctrl+Alt and
// the key of the given character on the root window, prints "held", and keeps
// the grab until it is ended.   holdkey CHARACTER
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <initializer_list>

int main(int argc, char** argv) {
    Display* pDisplay = XOpenDisplay(nullptr);
    if (pDisplay == nullptr || argc != 2) return 2;
    const KeyCode keycode = XKeysymToKeycode(pDisplay, XStringToKeysym(argv[1]));
    for (unsigned lock : {0u, unsigned(LockMask), unsigned(Mod2Mask), unsigned(LockMask | Mod2Mask)}) {
        XGrabKey(pDisplay, keycode, ControlMask | Mod1Mask | lock, DefaultRootWindow(pDisplay), True, GrabModeAsync,
                 GrabModeAsync);
    }
    XSync(pDisplay, False);
    std::puts("held");
    std::fflush(stdout);
    pause();
    return 0;
}
