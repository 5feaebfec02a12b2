#!/usr/bin/env python3
"""The real program on a Wayland desktop (KWin with the desktop portal and
waybar): the hot keys through the portal's global shortcuts, new keys from
the settings dialog, and the command line that desktops without the portal
bind to keys; without the portal and a tray nothing is shown and the window
is never lost."""
import signal
import subprocess
import time
import unittest

from common import SAVE_BUTTON, SETTINGS_BUTTON, Arguments, host_starts
from waylandsession import open_session
from x11session import MAIN_TITLE

ARGS = None
# The desktop's shortcuts for Ctrl+Alt+B and Win+B.
SHORTCUTS = {"launch-host-ctrl-alt-b", "restore-window-logo-b"}
# The hot-key fields of the settings dialog, window coordinates.
LAUNCH_FIELD = (58, 95)
RESTORE_FIELD = (58, 119)


def press_until(w, keys, condition):
    """Presses the keys until the condition holds: the desktop takes shortcuts a moment after being asked."""
    def attempt():
        w.key(keys)
        time.sleep(0.3)
        return condition()
    w.wait_for(attempt)


class HotKeys(unittest.TestCase):
    def test_ctrl_alt_b_starts_the_host_shown_and_hidden_and_win_b_restores(self):
        w, host = open_session(self, ARGS)
        w.start()
        w.wait_for(lambda: w.desktop_shortcuts() == SHORTCUTS)
        w.wait_for(w.focused)
        w.key("ctrl+alt+b")
        w.wait_for(lambda: host_starts(host) == 1)
        self.assertTrue(w.main_visible())  # the window's state does not change

        w.key("escape")
        w.wait_for(lambda: not w.main_visible())
        self.assertIsNone(w.app.poll())  # hidden, not closed
        w.key("ctrl+alt+b")
        w.wait_for(lambda: host_starts(host) == 2)
        self.assertFalse(w.main_visible())
        w.key("super+b")
        w.wait_for(w.focused)

    def test_keys_saved_in_the_settings_replace_the_old_ones(self):
        w, host = open_session(self, ARGS)
        w.start()
        w.wait_for(lambda: w.desktop_shortcuts() == SHORTCUTS)
        main = w.wait_for(w.focused)
        w.click(main.x + SETTINGS_BUTTON[0], main.y + SETTINGS_BUTTON[1])
        dialog = w.wait_for(lambda: w.focused("Настройки"))
        for field, character in ((LAUNCH_FIELD, "n"), (RESTORE_FIELD, "m")):
            w.click(dialog.x + field[0], dialog.y + field[1])
            w.key("ctrl+a")
            w.key(character)
        w.click(dialog.x + SAVE_BUTTON[0], dialog.y + SAVE_BUTTON[1])
        w.wait_for(lambda: w.find_window("Настройки") is None)

        press_until(w, "ctrl+alt+n", lambda: host_starts(host) > 0)
        w.key("escape")
        w.wait_for(lambda: not w.main_visible())
        press_until(w, "super+m", w.focused)
        starts = host_starts(host)
        w.key("escape")
        w.wait_for(lambda: not w.main_visible())
        for keys in ("ctrl+alt+b", "super+b"):  # the old keys are gone
            w.key(keys)
        time.sleep(1)
        self.assertEqual(host_starts(host), starts)
        self.assertFalse(w.main_visible())

    def test_the_command_line_asks_the_running_program(self):
        w, host = open_session(self, ARGS)
        self.assertEqual(w.command("--launch-host").returncode, 1)  # none runs to start the host
        self.assertEqual(host_starts(host), 0)
        w.start()
        w.wait_for(w.focused)
        self.assertEqual(w.command("--launch-host").returncode, 0)
        w.wait_for(lambda: host_starts(host) == 1)
        w.key("escape")
        w.wait_for(lambda: not w.main_visible())
        self.assertEqual(w.command("--restore").returncode, 0)
        w.wait_for(w.focused)
        refused = w.command("--help")
        self.assertEqual(refused.returncode, 2)
        self.assertIn("Usage: sorvanta [--restore | --launch-host]", refused.stderr)
        self.assertEqual([window.title for window in w.windows()], [MAIN_TITLE])  # one program, one window

        w.app.send_signal(signal.SIGTERM)
        self.assertEqual(w.wait_exit(), 0)
        w.wait_for(lambda: not w.main_visible())
        # With none running, --restore starts the program.
        w.app = subprocess.Popen([ARGS.program, "--restore"], env=w.env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        w.wait_for(w.focused)
        self.assertIsNone(w.app.poll())

    def test_without_the_portal_and_a_tray_nothing_is_shown_and_the_window_is_never_lost(self):
        w, host = open_session(self, ARGS, portal=False, tray=False)
        w.start()
        w.wait_for(w.focused)
        self.assertEqual([window.title for window in w.windows()], [MAIN_TITLE])  # no message
        self.assertIn("no global shortcuts from the desktop portal", w.program_log())
        w.key("escape")
        w.wait_for(lambda: getattr(w.find_window(MAIN_TITLE), "minimized", False))  # iconified: there is no tray
        ticks = w.cpu_ticks()
        time.sleep(1)
        self.assertLess(w.cpu_ticks() - ticks, 20)  # minimised once, the program rests
        self.assertEqual(w.command("--restore").returncode, 0)
        w.wait_for(w.focused)
        self.assertEqual(w.command("--launch-host").returncode, 0)
        w.wait_for(lambda: host_starts(host) == 1)


if __name__ == "__main__":
    ARGS = Arguments("clipboard_tool")
    unittest.main(verbosity=2)
