"""sorvanta.exe under Wine on the private X server of x11.py: a Wine prefix of its own in the session's home, the
settings in its registry, the program and the stand-in host (tool "standin") in one folder, where the program
looks for the host first.

Wine's X11 driver grabs no keys: a hot key reaches the program only while a window of a Windows program has the
keyboard, so "other-program" is Wine's notepad, as a user presses the keys in another program."""
import os
import re
import shutil
import subprocess
import time

from x11 import X11Desktop

SETTINGS_KEY = r"HKCU\Software\Sorvanta\sorvanta\Settings"


def windows_path(value):
    return "Z:" + value.replace("/", "\\") if value.startswith("/") else value


class WineDesktop(X11Desktop):
    patience = 60.0  # a Windows program's first start in a new prefix takes many seconds

    def _start(self):
        super()._start()
        # No installers of .NET or Gecko asked for when the prefix is made.
        self.env.update(WINEPREFIX=os.path.join(self.home, "prefix"), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        self.wine("wineboot", "-i")
        # Wine draws the frames itself, so the caption carries the program's own button.
        self.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Decorated", "/t", "REG_SZ", "/d", "N", "/f")
        self.notepad = None

    def __exit__(self, *exc):
        if "WINEPREFIX" in getattr(self, "env", {}):
            subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True, timeout=60)
        super().__exit__(*exc)

    def wine(self, *args):
        return subprocess.run(["wine", *args], env=self.env, capture_output=True, timeout=300,
                              check=True).stdout.decode("utf-8", errors="replace")

    def command(self, program):
        """How the scenario starts the program: its copy beside the host, under Wine."""
        copy = os.path.join(self.bin, "sorvanta.exe")
        if not os.path.exists(copy):
            shutil.copy(program, copy)
        return ["wine", copy]

    # --- the registry in place of the profile ----------------------------------------------------------

    def do_profile(self, values):
        for key, value in (value.split("=", 1) for value in values.split()):
            kind = "REG_DWORD" if value.lstrip("-").isdigit() else "REG_SZ"
            self.wine("reg", "add", SETTINGS_KEY, "/v", key, "/t", kind, "/d", windows_path(value), "/f")

    def do_settings(self, values):
        """The registry holds these settings, no more; numbers as the profile writes them."""
        found = {key: str(int(value, 16)) if kind == "REG_DWORD" else value for key, kind, value in
                 re.findall(r"^\s+(\w+)\s+(REG_\w+)\s+(.*?)\s*$", self.wine("reg", "query", SETTINGS_KEY), re.M)}
        expected = {key: windows_path(value) for key, value in (value.split("=", 1) for value in values.split())}
        assert found == expected, found

    def do_fake_host(self, _):
        shutil.copy(self.tools["standin"], os.path.join(self.bin, "orvanel.exe"))

    def when_host_starts(self, count):
        """The stand-in notes each start in a file beside itself."""
        log = os.path.join(self.bin, "orvanel-started.txt")
        if not os.path.exists(log):
            return int(count) == 0
        with open(log) as starts:
            return len(starts.readlines()) == int(count)

    # --- windows ---------------------------------------------------------------------------------------

    def windows(self, title):
        """The program's shown windows of that title; a window without a caption (the quote window) is
        named after the program."""
        found = self.xdotool("search", "--onlyvisible", "--classname", "^sorvanta.exe$").split()
        return [window for window in found if (self.xdotool("getwindowname", window) or "sorvanta") == title]

    def activate(self, window):
        self.xdotool("windowactivate", "--sync", window)
        assert self.wait_for(lambda: self.xdotool("getactivewindow") == window), "not active: " + window
        time.sleep(0.3)  # Wine hands the focus to the window's control by a message of its own

    def focus(self, title):
        self.activate(self.windows(title)[0])

    def when_found_verses(self, lines):
        """found-verses START | START ...: the list of the verses found shows lines that begin so, no more; with
        none given, no list is shown."""
        shown = self.wine(self.tools["listboxlines"]).splitlines()
        expected = lines.split(" | ") if lines else []
        return len(shown) == len(expected) and all(line.startswith(start) for line, start in zip(shown, expected))

    def do_other_program(self, _):
        """Wine's notepad has the keyboard; started the first time."""
        if self.notepad is None:
            self.notepad = self.spawn(["wine", "notepad"])

        def shown():
            return self.xdotool("search", "--onlyvisible", "--classname", "^notepad.exe$").split()
        assert self.wait_for(shown, 60), "notepad did not start"
        self.activate(shown()[0])

    def tray_icons(self):
        """Where the program's tray icons are: Wine's explorer docks a strip in the tray host, an icon
        window in it for each icon, the program's own the only one."""
        tree = self.run(["xwininfo", "-root", "-tree"])
        return [(int(x) + int(width) // 2, int(y) + int(height) // 2) for width, height, x, y in re.findall(
                r'\("explorer.exe" "explorer.exe"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)', tree)
                if 16 <= int(width) <= 32 and 16 <= int(height) <= 32]

    def do_tray_click(self, button):
        """tray-click left: a click on the icon."""
        assert button == "left", button
        x, y = self.tray_icons()[0]
        self.xdotool("mousemove", str(x), str(y), "click", "1")
