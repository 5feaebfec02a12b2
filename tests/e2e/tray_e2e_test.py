#!/usr/bin/env python3
"""Living in the tray, with the real global keys and the real tray icon:
Ctrl+Alt+B starts the host, Super+B brings the window back, Escape hides
it, the tray icon restores it and its menu closes it."""
import os
import subprocess
import time
import unittest

from common import Arguments
from x11session import X11Session

ARGS = None


class Tray(unittest.TestCase):
    def setUp(self):
        self.x = X11Session(ARGS.program, ARGS.grab_tool, failure_shot=os.path.join(ARGS.shots, "tray-failure.png")).__enter__()
        self.addCleanup(self.x.__exit__, None, None, None)
        self.host_log = self.x.fake_host()
        self.x.write_profile(["Directory=" + ARGS.modules])
        self.x.start()

    def host_starts(self):
        if not os.path.exists(self.host_log):
            return 0
        with open(self.host_log) as log:
            return len(log.readlines())

    def hide_with_escape(self):
        self.x.focus(self.x.main_window)
        self.x.key("Escape")
        self.x.wait_for(lambda: not self.x.main_visible())

    def test_hot_keys_start_the_host_and_restore_the_window(self):
        x = self.x
        x.key("ctrl+alt+b")
        x.wait_for(lambda: self.host_starts() == 1)
        self.assertTrue(x.main_visible())  # the window's state does not change

        self.hide_with_escape()
        self.assertIsNone(x.app.poll())  # hidden, not closed
        x.key("ctrl+alt+b")
        x.wait_for(lambda: self.host_starts() == 2)
        self.assertFalse(x.main_visible())
        x.key("super+b")
        x.wait_for(x.main_visible)

        x.key("Num_Lock")  # the hot keys work with NumLock on
        self.hide_with_escape()
        x.key("super+b")
        x.wait_for(x.main_visible)
        x.key("ctrl+alt+b")
        x.wait_for(lambda: self.host_starts() == 3)
        x.key("Num_Lock")

    def test_tray_icon_restores_and_its_menu_restores_and_closes(self):
        x = self.x
        icon = x.wait_for(x.tray_icon)
        self.hide_with_escape()
        x.click(icon, 11, 11)  # left button
        x.wait_for(x.main_visible)

        self.hide_with_escape()
        x.xdotool("mousemove", "--window", icon, "11", "11", "click", "--repeat", "2", "--delay", "80", "1")
        x.wait_for(x.main_visible)  # a double click starts with a single click: no harm done
        time.sleep(0.3)
        self.assertTrue(x.main_visible())

        self.hide_with_escape()
        x.click(icon, 11, 11, button=3)
        time.sleep(0.5)
        x.screenshot(os.path.join(ARGS.shots, "tray-menu.png"))
        x.key("Down", "Return")  # "Развернуть"
        x.wait_for(x.main_visible)

        x.click(icon, 11, 11, button=3)
        time.sleep(0.5)
        x.key("Up", "Return")  # "Закрыть", the last item
        self.assertEqual(x.wait_exit(), 0)
        self.assertEqual(x.read_profile()["Directory"], ARGS.modules)


class HotkeyCharacters(unittest.TestCase):
    def test_a_small_letter_gives_the_same_key_and_a_character_without_a_key_gives_none(self):
        with X11Session(ARGS.program, ARGS.grab_tool,
                        failure_shot=os.path.join(ARGS.shots, "hotkey-characters-failure.png")) as x:
            host_log = x.fake_host()
            # "б" (0xE1, stored as -31) has no key on the server's US layout; "b" is the B key.
            x.write_profile(["Directory=" + ARGS.modules, "hkOrvanel=-31", "hkTray=98"])
            x.start()
            x.focus(x.main_window)
            x.key("Escape")
            x.wait_for(lambda: not x.main_visible())
            x.key("super+b")
            x.wait_for(x.main_visible)
            x.key("ctrl+alt+b")
            time.sleep(1)
            self.assertFalse(os.path.exists(host_log))
            self.assertIsNone(x.app.poll())


class TakenCombination(unittest.TestCase):
    def test_a_combination_another_program_holds_fails_silently_and_the_other_key_works(self):
        with X11Session(ARGS.program, ARGS.grab_tool,
                        failure_shot=os.path.join(ARGS.shots, "taken-combination-failure.png")) as x:
            holder = subprocess.Popen([ARGS.holdkey, "b"], env=x.env, stdout=subprocess.PIPE, text=True)
            self.addCleanup(holder.wait)
            self.addCleanup(holder.kill)
            self.assertEqual(holder.stdout.readline().strip(), "held")
            host_log = x.fake_host()
            x.write_profile(["Directory=" + ARGS.modules])
            x.start()
            x.key("ctrl+alt+b")  # goes to the program that holds it
            time.sleep(1)
            self.assertFalse(os.path.exists(host_log))
            x.focus(x.main_window)
            x.key("Escape")
            x.wait_for(lambda: not x.main_visible())
            x.key("super+b")
            x.wait_for(x.main_visible)
            self.assertIsNone(x.app.poll())


if __name__ == "__main__":
    ARGS = Arguments()
    unittest.main(verbosity=2)
