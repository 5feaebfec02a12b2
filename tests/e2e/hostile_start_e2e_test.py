#!/usr/bin/env python3
"""Start-up on a hostile profile: a module root named by 10,000 characters
still shows its message at once, and a termination request while that
message is open ends the program the normal way, with the settings saved.
A `--launch-host` with no host to find shows its message in the running
program, which lives on once it is closed; SIGHUP ends the program as
SIGTERM does."""
import os
import signal
import subprocess
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

    def test_a_host_not_found_message_closes_without_harm_and_sighup_ends_the_program(self):
        with X11Session(ARGS.program, ARGS.grab_tool,
                        failure_shot=os.path.join(ARGS.shots, "host-not-found-failure.png")) as x:
            written = {"Directory": ARGS.modules, "TrayDef": "0", "ShowDlg": "1", "hkOrvanel": "66", "hkTray": "66"}
            x.write_profile(["Directory=" + ARGS.modules])
            app = x.start()
            x.focus(self.host_not_found(x))
            x.key("Return")
            x.wait_for(lambda: not x.find_window("sorvanta", visible_only=True))
            self.assertIsNone(app.poll())
            self.host_not_found(x)
            app.send_signal(signal.SIGTERM)
            self.assertEqual(x.wait_exit(), 0)
            self.assertEqual(x.read_profile(), written)

            x.write_profile(["Directory=" + ARGS.modules])
            x.start().send_signal(signal.SIGHUP)
            self.assertEqual(x.wait_exit(), 0)
            self.assertEqual(x.read_profile(), written)

    def host_not_found(self, x):
        """Asks the running program to start the host, which is nowhere; its message box."""
        self.assertEqual(subprocess.run([ARGS.program, "--launch-host"], env=x.env, timeout=30).returncode, 0)
        return x.wait_for(lambda: x.find_window("sorvanta", visible_only=True))  # "Файл не найден"


if __name__ == "__main__":
    ARGS = Arguments()
    unittest.main(verbosity=2)
