#!/usr/bin/env python3
"""Changing the module root and the quotation format through the real settings
dialog and folder picker: both are used now, and the next start keeps them."""
import os
import time
import unittest

from common import (BROWSE_BUTTON, COPY_BUTTON, EXIT_BUTTON, FORMAT_LIST, REFERENCE_FIELD, SAVE_BUTTON,
                    SETTINGS_BUTTON, Arguments)
from x11session import X11Session

ARGS = None


class Settings(unittest.TestCase):
    def look_up(self, x, reference, expected):
        x.focus(x.main_window)
        x.click(x.main_window, *REFERENCE_FIELD)  # the focus may still be on "Настройки"
        x.type_text(reference)
        x.key("Return")
        quote_window = x.wait_for(x.quote_window)
        x.click(quote_window, *COPY_BUTTON)
        self.assertEqual(x.wait_for(x.clipboard), expected)
        x.wait_for(lambda: not x.main_visible())
        x.key("super+b")
        x.wait_for(x.main_visible)

    def test_new_module_root_is_used_now_and_after_a_restart(self):
        second_root = os.path.join(ARGS.data, "root")
        with X11Session(ARGS.program, ARGS.grab_tool, failure_shot=os.path.join(ARGS.shots, "settings-failure.png")) as x:
            x.write_profile(["Directory=" + ARGS.modules])
            x.start()
            x.click(x.main_window, *SETTINGS_BUTTON)
            settings = x.wait_for(lambda: x.find_window("Настройки", visible_only=True))
            x.screenshot(os.path.join(ARGS.shots, "settings-dialog.png"), settings)
            x.click(settings, *BROWSE_BUTTON)
            picker = x.wait_for(lambda: x.find_window("Выберите каталог", visible_only=True))
            x.focus(picker)
            x.type_text(second_root)
            x.key("Return")  # a typed folder and Enter choose it
            x.wait_for(lambda: not x.find_window("Выберите каталог", visible_only=True))
            time.sleep(0.5)  # the settings dialog takes input again once the picker's run has ended
            x.click(settings, *FORMAT_LIST)
            time.sleep(0.5)  # the list opens
            x.key("Down", "Down", "Return")  # «Текст» (ссылка)
            time.sleep(0.3)
            x.click(settings, *SAVE_BUTTON)
            x.wait_for(lambda: not x.find_window("Настройки", visible_only=True))

            self.look_up(x, "Kn 1:2-3", "«Beta\n3 Gamma» (Kn 1:2-3)")
            html = x.clipboard("text/html")  # the quoted format reaches both clipboard flavours
            self.assertIn("<b>Kn 1:2-3</b>", html)
            self.assertIn("<sup>3</sup>", html)
            x.click(x.main_window, *EXIT_BUTTON)
            self.assertEqual(x.wait_exit(), 0)
            self.assertEqual(x.read_profile()["Directory"], second_root)
            self.assertEqual(x.read_profile("Quotation")["Format"], "quoted")

            x.start()
            self.look_up(x, "Kn 2:1-2", "«Delta\n2 Epsilon» (Kn 2:1-2)")
            x.click(x.main_window, *EXIT_BUTTON)
            self.assertEqual(x.wait_exit(), 0)


if __name__ == "__main__":
    ARGS = Arguments()
    unittest.main(verbosity=2)
