"""A private X server with a tray host (trayer) and, on "desktop openbox", a window manager;
driven with xdotool, the clipboard read with xclip as another program reads it."""
import os
import shutil
import signal
import subprocess
import tempfile
import time


class X11Desktop:
    def __init__(self, options, tools):
        self.options, self.tools = options, tools
        self.processes = []

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="sorvanta-e2e-")
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)  # leave no server behind to hold the test's output open
            raise
        return self

    def _start(self):
        self.config, self.bin = os.path.join(self.home, "config"), os.path.join(self.home, "bin")
        runtime = os.path.join(self.home, "runtime")
        for folder in (self.config, self.bin, runtime):
            os.makedirs(folder, mode=0o700)
        read_fd, write_fd = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                   pass_fds=[write_fd])
        os.close(write_fd)
        with os.fdopen(read_fd) as display:
            number = display.readline().strip()
        assert number, "Xvfb did not start"
        self.env = dict(os.environ, DISPLAY=":" + number, XDG_CONFIG_HOME=self.config, XDG_RUNTIME_DIR=runtime,
                        HOME=self.home, PATH=self.bin + ":" + os.environ.get("PATH", "/usr/bin:/bin"))
        self.env.pop("QT_QPA_PLATFORM", None)
        if "openbox" in self.options:
            self.spawn(["openbox", "--sm-disable"])
            # openbox names its check window on the root once it manages the screen.
            self.wait_for(lambda: "window id" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]))
        for _ in range(3):  # the tray host now and then dies while starting on a loaded machine
            trayer = self.spawn(["trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
                                 "100", "--heighttype", "pixel", "--height", "24"])
            if self.wait_for(lambda: trayer.poll() is None and self.xdotool("search", "--classname", "trayer")):
                return
            trayer.kill()
        raise AssertionError("the tray host did not start")

    def spawn(self, args, **options):
        options = dict(env=getattr(self, "env", None), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) | options
        process = subprocess.Popen(args, **options)
        self.processes.append(process)
        return process

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.home, ignore_errors=True)

    def wait_for(self, condition, timeout=10.0):
        deadline = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > deadline:
                return False
            time.sleep(0.05)
        return True

    def run(self, args):
        return subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30).stdout

    def xdotool(self, *args):
        return self.run(["xdotool", *args]).strip()

    # --- what the scenario uses ------------------------------------------------------------------------

    def windows(self, title):
        """The shown windows of that title, the tray icons left out. A window without a title of its own (the
        quote window, a message) is named after the program."""
        found = set(self.xdotool("search", "--onlyvisible", "--name", "^" + title + "$").split()) | set(
            self.xdotool("search", "--onlyvisible", "--classname", "sorvanta").split())
        return [window for window in found - set(self.tray_icons()) if self.xdotool("getwindowname", window) == title]

    def count(self, title):
        return len(self.windows(title))

    def focus(self, title):
        self.xdotool("windowfocus", "--sync", self.windows(title)[0])
        # The program learns of its focus from an event of its own; keys sent
        # before it has taken that event would go nowhere.
        time.sleep(0.3)

    def key(self, combination):
        self.xdotool("key", "--clearmodifiers", combination)

    def type_text(self, text):
        # xdotool types a character without a key on the keyboard by mapping a
        # spare key to it first; the program must see each new mapping before
        # the key arrives, so such characters go slower.
        self.xdotool("type", "--delay", "20" if text.isascii() else "120", text)

    def do_paste(self, text):
        """Another program puts the text on the clipboard and Ctrl+V pastes it: typing letters without a key on
        the keyboard is not sure to reach a Windows program under Wine."""
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), env=self.env, timeout=10,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(0.5)  # the program hears of the new owner of the clipboard
        self.key("ctrl+v")

    def clipboard(self, target):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target], env=self.env,
                              capture_output=True, timeout=10).stdout.decode("utf-8")

    def when_active(self, title):
        """The window has the focus, given by the window manager."""
        if self.xdotool("getactivewindow") not in self.windows(title or "Цитата"):
            return False
        time.sleep(0.3)  # as a person sees the window before typing; Qt takes its focus event meanwhile
        return True

    def place(self, title):
        shell = dict(line.split("=") for line in self.xdotool("getwindowgeometry", "--shell",
                                                               self.windows(title)[0]).split())
        return shell["X"], shell["Y"]

    def do_move(self, rest):
        """move TITLE X Y: the window is moved there, as a person drags it."""
        title, x, y = rest.rsplit(" ", 2)
        self.xdotool("windowmove", "--sync", self.windows(title)[0], x, y)

    def do_placed(self, rest):
        """placed TITLE X Y: the window is there."""
        title, x, y = rest.rsplit(" ", 2)
        assert self.place(title) == (x, y), self.place(title)

    def tray_icons(self):
        """The program's icon windows inside the tray host: its small square windows."""
        icons = []
        for window in self.xdotool("search", "--classname", "sorvanta").split():
            shell = dict(line.split("=") for line in self.xdotool("getwindowgeometry", "--shell", window).split())
            if 16 <= int(shell["WIDTH"]) <= 32 and shell["WIDTH"] == shell["HEIGHT"]:
                icons.append(window)
        return icons

    def when_tray_icons(self, count):
        return len(self.tray_icons()) == int(count)

    def do_tray_click(self, button):
        """tray-click left | double | right: the pointer on the tray icon."""
        icon = self.tray_icons()[0]
        clicks = {"left": ["1"], "double": ["--repeat", "2", "--delay", "80", "1"], "right": ["3"]}[button]
        self.xdotool("mousemove", "--window", icon, "11", "11", "click", *clicks)
        if button == "right":
            time.sleep(0.5)  # the menu opens

    def do_hold_key(self, character):
        """Another program grabs Ctrl+Alt and the character's key first."""
        holder = self.spawn([self.tools["holdkey"], character], stdout=subprocess.PIPE, text=True)
        assert holder.stdout.readline().strip() == "held"

    def do_other_program(self, _):
        """Another program's window, in front."""
        self.spawn(["xmessage", "-geometry", "+100+150", "another program"])
        assert self.wait_for(lambda: self.windows("xmessage"))

    def do_editor(self, name):
        """A text editor (featherpad) on an empty document of that name in the home folder, active."""
        self.document = os.path.join(self.home, name)
        open(self.document, "w").close()
        self.spawn(["featherpad", self.document])
        assert self.wait_for(lambda: self.xdotool("search", "--onlyvisible", "--classname", "featherpad"))
        self.editor = self.xdotool("search", "--onlyvisible", "--classname", "featherpad").split()[0]
        self.xdotool("windowactivate", "--sync", self.editor)
        assert self.wait_for(lambda: self.xdotool("getactivewindow") == self.editor)
        time.sleep(0.3)  # the editor takes its focus event

    def when_document(self, text):
        """The editor's text, saved with Ctrl+S (made active first if it is not)."""
        if self.xdotool("getactivewindow") != self.editor:
            self.xdotool("windowactivate", "--sync", self.editor)
            time.sleep(0.3)
        self.key("ctrl+s")
        time.sleep(0.3)
        with open(self.document, encoding="utf-8") as document:
            return document.read().rstrip("\n") == text
