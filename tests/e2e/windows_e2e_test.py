"""sorvanta.exe under Wine in a private X server with a window manager and a
tray host: a lookup copied from the quote window (plain text and its HTML
copy), Escape and the tray icon, both hot keys pressed in another Windows
program, a later start that brings the window back, and the five settings in
the registry after "Выход".

Wine's X11 driver grabs no keys: a hot key arrives only while a window of a
Windows program has the keyboard, so the hot keys are pressed in Wine's own
notepad, as a user presses them in another program.

Arguments: SORVANTA_EXE STANDIN_EXE GRAB_TOOL SAMPLES_DIR SHOTS_DIR"""
import os
import re
import shutil
import subprocess
import sys

from common import COPY_BUTTON, EXIT_BUTTON, REFERENCE_FIELD
from x11session import MAIN_TITLE, X11Session

SETTINGS_KEY = r"HKCU\Software\Sorvanta\sorvanta\Settings"


class WineSession(X11Session):
    """The X session with a Wine prefix of its own; the program and the
    stand-in host in one folder, where the program looks for the host first."""

    def start_wine(self, modules):
        self.env["WINEPREFIX"] = os.path.join(self.home, "prefix")
        self.env["WINEDEBUG"] = "-all"
        subprocess.run(["wineboot", "-i"], env=self.env, capture_output=True, timeout=300, check=True)
        # Wine draws the frames itself, so the caption carries the program's own button.
        self.reg("add", r"HKCU\Software\Wine\X11 Driver", "/v", "Decorated", "/t", "REG_SZ", "/d", "N", "/f")
        self.reg("add", SETTINGS_KEY, "/v", "Directory", "/t", "REG_SZ", "/d", "Z:" + modules.replace("/", "\\"), "/f")

    def reg(self, *args):
        return subprocess.run(["wine", "reg", *args], env=self.env, capture_output=True, timeout=120,
                              check=True).stdout.decode("utf-8", errors="replace")

    def start_without_window(self, *args):
        self.app_log = os.path.join(self.home, "program.log")
        with open(self.app_log, "w") as log:
            self.app = subprocess.Popen(["wine", self.program, *args], env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=log)
        return self.app

    def visible_windows(self, classname):
        return self.xdotool("search", "--onlyvisible", "--classname", classname, check=False).split()

    def wine_tray_icon(self):
        """Where the program's tray icon is: Wine's explorer docks a strip for
        the icons in the tray host, the one icon at the strip's right end."""
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env, capture_output=True, text=True,
                              timeout=30).stdout
        for width, height, x, y in re.findall(
                r'\("explorer.exe" "explorer.exe"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)', tree):
            width, height, x, y = map(int, (width, height, x, y))
            if 16 <= height <= 32 and width >= height:
                return x + width - height // 2, y + height // 2
        return None

    def click_at(self, position):
        self.xdotool("mousemove", str(position[0]), str(position[1]), "click", "1")

    def start_other_program(self):
        """Wine's notepad, the Windows program that has the keyboard when a hot key is pressed."""
        self.processes.append(subprocess.Popen(["wine", "notepad"], env=self.env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
        return self.wait_for(lambda: self.visible_windows("notepad.exe"), timeout=60)[0]

    def press_in(self, window, keys):
        self.xdotool("windowactivate", "--sync", window)
        self.wait_for(lambda: self.active_window() == window)
        self.key(keys)


def main():
    sorvanta_exe, standin_exe, grab_tool, samples, shots = sys.argv[1:6]
    os.makedirs(shots, exist_ok=True)
    with WineSession(sorvanta_exe, grab_tool, failure_shot=os.path.join(shots, "windows-failure.png"),
                     window_manager=True) as session:
        program = os.path.join(session.bin, "sorvanta.exe")
        shutil.copy(sorvanta_exe, program)
        shutil.copy(standin_exe, os.path.join(session.bin, "orvanel.exe"))
        session.program = program
        session.start_wine(os.path.join(samples, "modules"))
        session.start_without_window()
        main_window = session.wait_for(lambda: session.find_window(MAIN_TITLE, visible_only=True), timeout=60)
        session.wait_for(session.wine_tray_icon, timeout=30)
        session.screenshot(os.path.join(shots, "windows-main.png"))

        # A lookup, its quote window and "Копировать".
        session.click(main_window, *REFERENCE_FIELD)  # activates the window, the focus in the field
        session.focus(main_window)
        session.type_text("Jn 3:16")
        session.key("Return")
        quote = session.wait_for(lambda: [w for w in session.visible_windows("sorvanta.exe") if w != main_window],
                                 timeout=30)[0]
        session.screenshot(os.path.join(shots, "windows-quote.png"))
        session.click(quote, *COPY_BUTTON)
        session.wait_for(lambda: session.clipboard().startswith("Jn 3:16. ¶ For God so loved the world"))
        assert "HTML Format" in session.clipboard("TARGETS"), session.clipboard("TARGETS")
        assert session.clipboard("text/html").count("<b>Jn 3:16</b>. ¶ For God so loved") == 1, \
            session.clipboard("text/html")
        session.wait_for(lambda: not session.main_visible())

        # A click on the tray icon brings the window back; Escape hides it.
        session.click_at(session.wine_tray_icon())
        session.wait_for(session.main_visible)
        session.click(main_window, *REFERENCE_FIELD)
        session.focus(main_window)
        session.key("Escape")
        session.wait_for(lambda: not session.main_visible())

        # The hot keys, pressed in another program: Win+B brings the window
        # back; Ctrl+Alt+B starts the host, found beside the program, while
        # the window stays where it is, hidden.
        other = session.start_other_program()
        session.press_in(other, "super+b")
        session.wait_for(session.main_visible)
        session.click(main_window, *REFERENCE_FIELD)
        session.focus(main_window)
        session.key("Escape")
        session.wait_for(lambda: not session.main_visible())
        marker = os.path.join(session.bin, "orvanel-started.txt")
        session.press_in(other, "ctrl+alt+b")
        session.wait_for(lambda: os.path.exists(marker), timeout=30)
        assert not session.main_visible()

        # A later start hands its request to the running program and ends.
        later = subprocess.run(["wine", program, "--restore"], env=session.env, capture_output=True, timeout=60)
        assert later.returncode == 0, later
        session.wait_for(session.main_visible)

        # "Выход" ends the program with the five settings in the registry.
        session.click(main_window, *EXIT_BUTTON)
        assert session.wait_exit(timeout=60) == 0
        settings = session.reg("query", SETTINGS_KEY)
        values = dict(re.findall(r"^\s+(\w+)\s+REG_\w+\s+(.*?)\s*$", settings, re.M))
        assert values == {"Directory": "Z:" + os.path.join(samples, "modules").replace("/", "\\"), "TrayDef": "0x0",
                          "ShowDlg": "0x1", "hkOrvanel": "0x42", "hkTray": "0x42"}, settings
    print("sorvanta.exe under Wine: lookup, copy with HTML, tray, Escape, both hot keys, later start and registry checked")


main()
