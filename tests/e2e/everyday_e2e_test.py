#!/usr/bin/env python3
"""The real program under Xvfb with a window manager and a tray host, used as
a person uses it all day: type a reference, Enter, "Копировать", the clipboard
read from another process; back from the tray, where it was left and active,
the next reference typed at once; the settings dialog, kept at once."""
import os
import signal
import subprocess
import time
import unittest

from common import COPY_BUTTON, SETTINGS_BUTTON, Arguments, expected_verse
from x11session import X11Session

ARGS = None
JOHN = 42
TRAY_DEF_BOX = (20, 49)  # in the settings dialog


class EverydayLoop(unittest.TestCase):
    def wait_active(self, x):
        """Waits until the main window is the active one and has taken its focus."""
        x.wait_for(lambda: x.active_window() == x.main_window)
        time.sleep(0.3)  # as a person sees the window before typing; Qt takes its focus event meanwhile

    def quote(self, x, reference):
        """Types the reference into the window as it stands, copies the quotation."""
        x.type_text(reference)
        x.key("Return")
        quote_window = x.wait_for(x.quote_window)
        x.click(quote_window, *COPY_BUTTON)
        x.wait_for(lambda: not x.main_visible())
        return quote_window

    def test_a_day_of_quoting(self):
        with X11Session(ARGS.program, ARGS.grab_tool, window_manager=True,
                        failure_shot=os.path.join(ARGS.shots, "everyday-failure.png")) as x:
            x.write_profile(["Directory=" + ARGS.modules])
            x.start()
            x.wait_for(x.tray_icon)
            self.wait_active(x)
            x.xdotool("windowmove", "--sync", x.main_window, "150", "200")
            place = x.geometry(x.main_window)[:2]
            x.screenshot(os.path.join(ARGS.shots, "main-window.png"), x.main_window)

            # Latin abbreviations: the test X server has no Cyrillic layout, and
            # characters without a key are typed through a remapped key, which a
            # loaded machine can outrun (the offscreen window tests type Cyrillic).
            x.type_text("Jn 3:16-17")  # the focus is in the reference field from the start
            x.key("Return")
            quote_window = x.wait_for(x.quote_window)
            x.screenshot(os.path.join(ARGS.shots, "quote-window.png"), quote_window)
            x.click(quote_window, *COPY_BUTTON)
            verse = lambda n: expected_verse(ARGS.samples, "kjv", JOHN, 3, n)
            self.assertEqual(x.wait_for(x.clipboard), "Jn 3:16-17. " + verse(16) + "\n17 " + verse(17))
            x.wait_for(lambda: not x.main_visible())

            # Back through the tray icon: in its place, active, the old text
            # selected, so the next reference is typed straight away.
            x.click(x.tray_icon(), 8, 8)
            self.wait_active(x)
            self.assertEqual(x.geometry(x.main_window)[:2], place)
            # The book abbreviations' list opens on the way and changes nothing of what is typed.
            shown = lambda: len(x.xdotool("search", "--onlyvisible", "--classname", "sorvanta", check=False).split())
            before = shown()
            x.type_text("Jn")
            x.wait_for(lambda: shown() > before)
            self.quote(x, " 3:1")
            self.assertEqual(x.clipboard(), "Jn 3:1. " + verse(1))

            # Win+B with another program's window in front brings it to the front.
            other = subprocess.Popen(["xmessage", "-geometry", "+100+150", "another program"], env=x.env)
            try:
                x.wait_for(lambda: x.find_window("xmessage", visible_only=True))
                x.key("super+b")
                self.wait_active(x)
                self.assertEqual(x.geometry(x.main_window)[:2], place)
                self.quote(x, "Jn 3:2")
                self.assertEqual(x.clipboard(), "Jn 3:2. " + verse(2))
            finally:
                other.kill()
                other.wait()

            # Enter on a focused "Отменить" cancels: the setting stays as it was.
            x.key("super+b")
            self.wait_active(x)
            x.click(x.main_window, *SETTINGS_BUTTON)
            settings = x.wait_for(lambda: x.find_window("Настройки", visible_only=True))
            x.click(settings, *TRAY_DEF_BOX)
            x.key("shift+Tab", "shift+Tab", "shift+Tab")  # from the box back to "Отменить"
            x.key("Return")
            x.wait_for(lambda: not x.find_window("Настройки", visible_only=True))
            self.assertEqual(x.read_profile().get("TrayDef", "0"), "0")

            # "Записать" writes the profile at once: a kill right after loses nothing.
            x.click(x.main_window, *SETTINGS_BUTTON)
            settings = x.wait_for(lambda: x.find_window("Настройки", visible_only=True))
            x.click(settings, *TRAY_DEF_BOX)
            x.key("Tab", "Tab", "Tab", "Tab")  # from the box round to "Записать"
            x.key("Return")
            x.wait_for(lambda: not x.find_window("Настройки", visible_only=True))
            x.app.send_signal(signal.SIGKILL)
            x.app.wait()
            self.assertEqual(x.read_profile(), {"Directory": ARGS.modules, "TrayDef": "1", "ShowDlg": "1",
                                                "hkOrvanel": "66", "hkTray": "66"})
            self.assertEqual(list(x.read_profile("History").values()), ["Jn 3:16-17", "Jn 3:1", "Jn 3:2"])


if __name__ == "__main__":
    ARGS = Arguments()
    unittest.main(verbosity=2)
