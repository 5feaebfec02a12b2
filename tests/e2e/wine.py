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

PROGRAM_KEY = r"HKCU\Software\Sorvanta\sorvanta"
SETTINGS_KEY = PROGRAM_KEY + r"\Settings"


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
        """profile KEY=VALUE ...: of the Settings group, or of another as GROUP/KEY=VALUE."""
        for key, value in (value.split("=", 1) for value in values.split()):
            group, key = key.split("/", 1) if "/" in key else ("Settings", key)
            kind = "REG_DWORD" if value.lstrip("-").isdigit() else "REG_SZ"
            self.wine("reg", "add", PROGRAM_KEY + "\\" + group, "/v", key, "/t", kind, "/d", windows_path(value),
                      "/f")

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

    def do_editor(self, name):
        """Wine's notepad on an empty document of that name in the home folder, active."""
        self.document = os.path.join(self.home, name)
        open(self.document, "w").close()
        self.spawn(["wine", "notepad", windows_path(self.document)])

        def shown():
            return self.xdotool("search", "--onlyvisible", "--name", "^" + re.escape(name)).split()
        assert self.wait_for(shown, 60), "notepad did not start"
        self.editor = shown()[0]
        self.activate(self.editor)

    def when_document(self, text):
        """notepad's text, saved with Ctrl+S (made active first if it is not); its line breaks as \\n."""
        if self.xdotool("getactivewindow") != self.editor:
            self.activate(self.editor)
        self.key("ctrl+s")
        time.sleep(0.3)
        with open(self.document, "rb") as document:
            saved = document.read()
        for bom, encoding in ((b"\xef\xbb\xbf", "utf-8"), (b"\xff\xfe", "utf-16-le")):
            if saved.startswith(bom):
                saved = saved[len(bom):].decode(encoding)
                break
        else:
            saved = saved.decode("cp1252")
        return saved.replace("\r\n", "\n") == text
    def do_hold_key(self, combination):
        """Another Windows program holds the combination ("super+shift+b"); a character alone stands for
        Ctrl+Alt and it, as on X11."""
        *names, character = combination.split("+") if "+" in combination else ["ctrl", "alt", combination]
        modifiers = sum({"alt": 1, "ctrl": 2, "shift": 4, "super": 8}[name] for name in names)
        holder = self.spawn(["wine", self.tools["winholdkey"], str(modifiers), character], stdout=subprocess.PIPE,
                            text=True)
        assert holder.stdout.readline().strip() == "held", "the combination was not to be had: " + combination

    def when_text(self, rest):
        """text TITLE ID [TEXT]: the control of that id in the shown window of that title says the text."""
        title, control, text = (rest.split(" ", 2) + [""])[:3]
        said = dict(line.split("\t", 1) for line in self.wine(self.tools["controltext"], control).splitlines())
        return said.get(title) == text

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
