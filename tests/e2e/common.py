"""What the end-to-end tests share: their arguments and the sample texts."""
import faulthandler
import os
import sys

# Points in the main window and the quote window, window coordinates.
EXIT_BUTTON = (213, 122)
SETTINGS_BUTTON = (60, 122)
REFERENCE_FIELD = (120, 53)
COPY_BUTTON = (90, 149)
CAPTION_Y = 10
# Points in the settings dialog.
BROWSE_BUTTON = (289, 19)
SAVE_BUTTON = (112, 141)
FORMAT_LIST = (200, 178)


class Arguments:
    """PROGRAM GRAB_TOOL SAMPLES_DIR SHOTS_DIR DATA_DIR INPUT_TOOL and the `more` a test names, taken off
    sys.argv. The input tool holds a key combination under X11 and drives the keyboard and pointer under
    Wayland."""

    def __init__(self, *more):
        names = ("program", "grab_tool", "samples", "shots", "data", "input_tool") + more
        for name, value in zip(names, sys.argv[1:len(names) + 1]):
            setattr(self, name, value)
        self.holdkey = self.input_tool
        del sys.argv[1:len(names) + 1]
        os.makedirs(self.shots, exist_ok=True)
        # A step that hangs shows where, well before the test's time runs out.
        faulthandler.dump_traceback_later(120, exit=True)
        self.modules = os.path.join(self.samples, "modules")


def expected_verse(samples, module, book, chapter, verse):
    with open(os.path.join(samples, "expected", module + ".tsv"), encoding="utf-8") as expected:
        for line in expected:
            fields = line.rstrip("\n").split("\t")
            if fields[:3] == [str(book), str(chapter), str(verse)]:
                return fields[3].encode("cp1251", errors="replace").decode("cp1251")
    raise KeyError((module, book, chapter, verse))



def host_starts(log):
    """How often the stand-in host that a session's fake_host wrote has been started."""
    if not os.path.exists(log):
        return 0
    with open(log) as lines:
        return len(lines.readlines())
