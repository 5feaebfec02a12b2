#!/usr/bin/env python3
"""The tray on a Wayland desktop, with waybar as a real StatusNotifierItem
host: the icon shows the program's picture and tip, a left click restores
the window, and the menu that waybar draws restores it and closes the
program, which saves its settings; a tray that asks for the menu instead
gets the program's own."""
import os
import time
import unittest

from common import COPY_BUTTON, Arguments, expected_verse
from waylandsession import open_session

ARGS = None
JOHN = 42


class Tray(unittest.TestCase):
    def hide_with_escape(self, w):
        w.wait_for(w.focused)
        w.key("escape")
        w.wait_for(lambda: not w.main_visible())

    def open_menu(self, w, icon):
        w.click(*icon, button="right")
        time.sleep(0.5)  # waybar draws the menu the icon exports

    def test_icon_tip_click_and_menu(self):
        w, _ = open_session(self, ARGS)
        w.start()
        icon = w.wait_for(w.tray_icon)
        self.assertEqual(w.tray_item("ToolTip")[2], "This is Tip")
        self.assertIn(32, [width for width, height, pixels in w.tray_item("IconPixmap") if any(pixels)])
        w.screenshot(os.path.join(ARGS.shots, "wayland-tray.png"))

        self.hide_with_escape(w)
        w.click(*icon)
        w.wait_for(w.focused)
        # Back from the tray, a reference typed with real keys arrives whole:
        # the abbreviation list, which takes the keyboard here while it is
        # open, changes nothing of it.
        w.type_text("Jn 3:16")
        w.key("return")
        quote_window = w.wait_for(w.quote_window)
        w.click(quote_window.x + COPY_BUTTON[0], quote_window.y + COPY_BUTTON[1])
        w.wait_for(lambda: not w.main_visible())
        self.assertEqual(w.clipboard(), "Jn 3:16. " + expected_verse(ARGS.samples, "kjv", JOHN, 3, 16))
        w.click(*icon)
        w.wait_for(w.focused)
        w.type_text("Jn 3:17")  # replaces the old reference, selected on the way back
        w.key("return")
        w.wait_for(w.quote_window)
        w.key("escape")  # the quote window closes, the main window stays

        self.hide_with_escape(w)
        self.open_menu(w, icon)
        w.screenshot(os.path.join(ARGS.shots, "wayland-tray-menu.png"))
        w.key("down")
        w.key("return")  # "Развернуть"
        w.wait_for(w.focused)

        # A tray that asks the program for its menu gets the program's own.
        self.hide_with_escape(w)
        w.tray_call("ContextMenu", "ii", "1000", "20")
        w.wait_for(lambda: w.focused("sorvanta"))
        w.key("down")
        w.key("return")
        w.wait_for(w.focused)

        self.open_menu(w, icon)
        w.key("up")
        w.key("return")  # "Закрыть", the last item
        self.assertEqual(w.wait_exit(), 0)
        self.assertEqual(w.read_profile(), {"Directory": ARGS.modules, "TrayDef": "0", "ShowDlg": "1",
                                            "hkOrvanel": "66", "hkTray": "66"})
        self.assertEqual(list(w.read_profile("History").values()), ["Jn 3:16", "Jn 3:17"])


if __name__ == "__main__":
    ARGS = Arguments("clipboard_tool")
    unittest.main(verbosity=2)
