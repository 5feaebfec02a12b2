#!/usr/bin/env python3
"""The real program under Xvfb: type a reference, press Enter, press
"Копировать", read the clipboard from another process, close with "Выход"."""
import os
import signal
import unittest

from common import COPY_BUTTON, EXIT_BUTTON, Arguments, expected_verse
from x11session import X11Session

ARGS = None
JOHN = 42


class MainWindow(unittest.TestCase):
    def test_lookup_copy_and_exit(self):
        with X11Session(ARGS.program, ARGS.grab_tool, failure_shot=os.path.join(ARGS.shots, "main-window-failure.png")) as x:
            x.write_profile(["Directory=" + ARGS.modules])
            x.start()
            x.focus(x.main_window)
            x.screenshot(os.path.join(ARGS.shots, "main-window.png"), x.main_window)
            x.type_text("Ин 3:16-17")
            x.key("Return")
            quote_window = x.wait_for(x.quote_window)
            x.screenshot(os.path.join(ARGS.shots, "quote-window.png"), quote_window)
            x.click(quote_window, *COPY_BUTTON)

            expected = "Ин 3:16-17. " + expected_verse(ARGS.samples, "kjv", JOHN, 3, 16) + "\r\n17 " + \
                expected_verse(ARGS.samples, "kjv", JOHN, 3, 17)
            self.assertEqual(x.wait_for(x.clipboard), expected)
            x.wait_for(lambda: not x.main_visible())

            x.key("super+b")  # back from the tray, to press "Выход"
            x.wait_for(x.main_visible)
            x.click(x.main_window, *EXIT_BUTTON)
            self.assertEqual(x.wait_exit(), 0)
            profile = x.read_profile()
            self.assertEqual(profile, {"Directory": ARGS.modules, "TrayDef": "0", "ShowDlg": "1",
                                       "hkOrvanel": "66", "hkTray": "66"})


class EndOfSession(unittest.TestCase):
    def test_a_termination_request_closes_the_normal_way_and_saves(self):
        with X11Session(ARGS.program, ARGS.grab_tool,
                        failure_shot=os.path.join(ARGS.shots, "termination-failure.png")) as x:
            x.write_profile(["Directory=" + ARGS.modules])  # the other four values are written on closing
            x.start().send_signal(signal.SIGTERM)
            self.assertEqual(x.wait_exit(), 0)
            self.assertEqual(set(x.read_profile()), {"Directory", "TrayDef", "ShowDlg", "hkOrvanel", "hkTray"})


if __name__ == "__main__":
    ARGS = Arguments()
    unittest.main(verbosity=2)
