// Times the desktop program's start: from starting the process to its main
// window being mapped on the X server, then its resident memory once idle.
//   startup_timer PROGRAM [RUNS]
// Runs in the X session named by DISPLAY; each run is ended with SIGTERM.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kMainTitle = "Цитата";

std::string WindowName(Display* pDisplay, Window window) {
    const Atom utf8 = XInternAtom(pDisplay, "UTF8_STRING", False);
    const Atom netName = XInternAtom(pDisplay, "_NET_WM_NAME", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* pData = nullptr;
    std::string name;
    if (XGetWindowProperty(pDisplay, window, netName, 0, 256, False, utf8, &type, &format, &count, &after, &pData) ==
            Success &&
        pData != nullptr) {
        name.assign(reinterpret_cast<char*>(pData), count);
        XFree(pData);
    }
    return name;
}

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: startup_timer PROGRAM [RUNS]\n";
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 10;
    Display* pDisplay = XOpenDisplay(nullptr);
    if (pDisplay == nullptr) {
        std::cerr << "no X display\n";
        return 2;
    }
    XSelectInput(pDisplay, DefaultRootWindow(pDisplay), SubstructureNotifyMask);
    std::vector<double> startMs;
    long rssKb = 0;
    for (int run = 0; run < runs; ++run) {
        char* childArgv[] = {argv[1], nullptr};
        const auto t0 = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[1], nullptr, nullptr, childArgv, environ) != 0) return 2;
        bool bMapped = false;
        while (!bMapped) {
            XEvent event;
            XNextEvent(pDisplay, &event);
            if (event.type == MapNotify && WindowName(pDisplay, event.xmap.window) == kMainTitle) bMapped = true;
        }
        const auto t1 = std::chrono::steady_clock::now();
        startMs.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        if (run == runs - 1) {
            std::this_thread::sleep_for(std::chrono::seconds(3));  // idle in its window
            rssKb = ResidentKilobytes(pid);
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    std::sort(startMs.begin(), startMs.end());
    std::cout << "start to mapped main window, ms: min " << startMs.front() << ", median "
              << startMs[startMs.size() / 2] << ", max " << startMs.back() << " (" << runs << " runs)\n";
    std::cout << "resident memory when idle: " << rssKb / 1024.0 << " MiB\n";
    XCloseDisplay(pDisplay);
    return 0;
}
