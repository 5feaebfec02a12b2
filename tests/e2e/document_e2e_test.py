#!/usr/bin/env python3
"""Straight into the document, with a real text editor as the writer's
program: called up from the editor with the restore hot key, the quotation
copied goes into the editor after the text typed there (and with the setting
off, only onto the clipboard); a reference selected in the editor is replaced
by its quotation with Win+Shift+B."""
import os
import subprocess
import time
import unittest

from common import COPY_BUTTON, Arguments, expected_verse
from x11session import X11Session

ARGS = None
JOHN = 42


class StraightIntoTheDocument(unittest.TestCase):
    def start_program(self, x, paste_into_document):
        x.write_profile(["Directory=" + ARGS.modules])
        with open(os.path.join(x.config, "Sorvanta", "sorvanta.conf"), "a", encoding="utf-8") as profile:
            profile.write("[Quotation]\nPasteIntoDocument=%d\n" % paste_into_document)
        x.start()
        x.wait_for(x.tray_icon)
        x.wait_for(lambda: x.active_window() == x.main_window)
        x.key("Escape")
        x.wait_for(lambda: not x.main_visible())

    def start_editor(self, x):
        self.document = os.path.join(x.home, "sermon.txt")
        open(self.document, "w").close()
        editor = subprocess.Popen(["featherpad", self.document], env=x.env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        x.processes.append(editor)
        window = x.wait_for(lambda: x.xdotool("search", "--onlyvisible", "--classname", "featherpad",
                                              check=False).split())[0]
        x.focus(window)
        x.wait_for(lambda: x.active_window() == window)
        return window

    def saved_text(self, x, editor, condition):
        """The editor's text once it is saved with `condition` true of it, or as it stands after 3 s."""
        deadline = time.monotonic() + 3
        while True:
            x.wait_for(lambda: x.active_window() == editor)
            x.key("ctrl+s")
            time.sleep(0.3)
            with open(self.document, encoding="utf-8") as document:
                text = document.read()
            if condition(text) or time.monotonic() > deadline:
                return text

    def quote_from_editor(self, x, reference):
        x.key("super+b")
        x.wait_for(lambda: x.active_window() == x.main_window)
        time.sleep(0.3)  # Qt takes its focus event
        x.type_text(reference)
        x.key("Return")
        x.click(x.wait_for(x.quote_window), *COPY_BUTTON)
        x.wait_for(lambda: not x.main_visible())

    def test_quotation_goes_into_the_editor(self):
        verse = lambda n: expected_verse(ARGS.samples, "kjv", JOHN, 3, n)
        with X11Session(ARGS.program, ARGS.grab_tool, window_manager=True,
                        failure_shot=os.path.join(ARGS.shots, "document-failure.png")) as x:
            self.start_program(x, 1)
            editor = self.start_editor(x)
            # Lower case only: a Shift that xdotool typed can still be down when the hot key comes.
            x.type_text("as it is written ")
            self.quote_from_editor(x, "Jn 3:16")
            quoted = "as it is written Jn 3:16. " + verse(16)
            self.assertEqual(self.saved_text(x, editor, lambda text: text.startswith(quoted)).rstrip("\n"), quoted)
            self.assertEqual(x.clipboard(), "Jn 3:16. " + verse(16))

            # A reference typed on a line of its own and selected, replaced by its quotation.
            x.key("ctrl+End", "Return")
            x.type_text("Also Jn 3:17")
            x.key(*["shift+Left"] * len("Jn 3:17"))
            x.key("super+shift+b")
            replaced = "Also Jn 3:17. " + verse(17)
            last_line = lambda text: text.rstrip("\n").split("\n")[-1]
            text = self.saved_text(x, editor, lambda text: last_line(text) == replaced)
            x.screenshot(os.path.join(ARGS.shots, "document-replaced.png"))
            self.assertEqual(last_line(text), replaced)
            self.assertTrue(text.startswith(quoted + "\n"))
            self.assertFalse(x.main_visible())

    def test_setting_off_leaves_the_document_alone(self):
        verse = lambda n: expected_verse(ARGS.samples, "kjv", JOHN, 3, n)
        with X11Session(ARGS.program, ARGS.grab_tool, window_manager=True,
                        failure_shot=os.path.join(ARGS.shots, "document-off-failure.png")) as x:
            self.start_program(x, 0)
            editor = self.start_editor(x)
            x.type_text("untouched")
            self.quote_from_editor(x, "Jn 3:16")
            self.assertEqual(x.wait_for(x.clipboard), "Jn 3:16. " + verse(16))
            x.focus(editor)
            time.sleep(1)  # time enough for a paste that must not come
            self.assertEqual(self.saved_text(x, editor, lambda text: False).rstrip("\n"), "untouched")


if __name__ == "__main__":
    ARGS = Arguments()
    unittest.main()
