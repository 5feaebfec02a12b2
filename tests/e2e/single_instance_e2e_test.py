#!/usr/bin/env python3
"""One program per user and display: a second start shows the first one's
window and ends; after the first is killed, a new start takes over."""
import os
import signal
import subprocess
import unittest

from common import EXIT_BUTTON, Arguments
from x11session import X11Session

ARGS = None


class SingleInstance(unittest.TestCase):
    def test_second_start_restores_the_first_and_a_dead_ones_lock_is_taken_over(self):
        with X11Session(ARGS.program, ARGS.grab_tool,
                        failure_shot=os.path.join(ARGS.shots, "single-instance-failure.png")) as x:
            x.write_profile(["Directory=" + ARGS.modules])
            first = x.start()
            x.wait_for(x.tray_icon)
            x.focus(x.main_window)
            x.key("Escape")
            x.wait_for(lambda: not x.main_visible())

            second = subprocess.run([ARGS.program], env=x.env, capture_output=True, timeout=30)
            self.assertEqual(second.returncode, 0)
            x.wait_for(x.main_visible)  # the first one's window is back
            self.assertIsNone(first.poll())
            self.assertEqual(len(x.tray_icons()), 1)
            self.assertEqual(len(x.xdotool("search", "--name", "^Цитата$").split()), 1)

            first.send_signal(signal.SIGKILL)
            first.wait()
            x.wait_for(lambda: not x.main_visible())
            x.start()  # the lock the killed one left is taken over
            x.click(x.main_window, *EXIT_BUTTON)
            self.assertEqual(x.wait_exit(), 0)


if __name__ == "__main__":
    ARGS = Arguments()
    unittest.main(verbosity=2)
