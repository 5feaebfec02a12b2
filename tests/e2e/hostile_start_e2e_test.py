#!/usr/bin/env python3
"""Start-up on a hostile profile: a module root named by 10,000 characters
still shows its message at once, and a termination request while that
message is open ends the program the normal way, with the settings saved."""
import os
import signal
import unittest

from common import Arguments
from x11session import X11Session

ARGS = None


class HostileStart(unittest.TestCase):
    def test_a_long_root_message_shows_and_a_termination_request_ends_the_program(self):
        with X11Session(ARGS.program, ARGS.grab_tool,
                        failure_shot=os.path.join(ARGS.shots, "hostile-start-failure.png")) as x:
            root = "/nonexistent/" + "modules" * 1500
            x.write_profile(["Directory=" + root])
            app = x.start_without_window()
            box = x.wait_for(lambda: x.find_window("sorvanta", visible_only=True))
            x.screenshot(os.path.join(ARGS.shots, "long-root-message.png"), box)
            app.send_signal(signal.SIGTERM)
            self.assertEqual(x.wait_exit(), 0)
            self.assertEqual(x.read_profile(), {"Directory": root, "TrayDef": "0", "ShowDlg": "1", "hkOrvanel": "66",
                                                "hkTray": "66"})  # the other four are written on closing


if __name__ == "__main__":
    ARGS = Arguments()
    unittest.main(verbosity=2)
