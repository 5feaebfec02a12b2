"""A private X server with a tray host, and the real program running in it,
driven with xdotool and read with xclip."""
import os
import shutil
import signal
import subprocess
import tempfile
import time

MAIN_TITLE = "Цитата"
QUOTE_WINDOW_SIZE = (279, 166)


class X11Session:
    """Xvfb on a free display, trayer as the tray host, a temporary profile;
    with `window_manager`, openbox manages the windows as on a desktop."""

    def __init__(self, program, grab_tool, failure_shot=None, window_manager=False):
        self.program = program
        self.grab_tool = grab_tool
        self.window_manager = window_manager
        self.processes = []
        self.app = None
        self.failure_shot = failure_shot

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="sorvanta-e2e-")
        try:
            self._start_display()
        except BaseException:
            self.__exit__(None, None, None)  # leave no server behind to hold the test's output open
            raise
        return self

    def _start_display(self):
        self.config = os.path.join(self.home, "config")
        self.bin = os.path.join(self.home, "bin")
        runtime = os.path.join(self.home, "runtime")
        for folder in (self.config, self.bin, runtime):
            os.makedirs(folder, mode=0o700)
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                pass_fds=[write_fd], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        self.processes.append(xvfb)
        with os.fdopen(read_fd) as display:
            number = display.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number, XDG_CONFIG_HOME=self.config, XDG_RUNTIME_DIR=runtime, HOME=self.home,
                        PATH=self.bin + ":" + os.environ.get("PATH", "/usr/bin:/bin"))
        self.env.pop("QT_QPA_PLATFORM", None)
        if self.window_manager:
            self._start_window_manager()
        self._start_tray_host()

    def _start_tray_host(self):
        log_path = os.path.join(self.home, "trayer.log")
        for _ in range(3):  # the tray host now and then dies while starting on a loaded machine
            with open(log_path, "w") as log:
                trayer = subprocess.Popen(
                    ["trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "100",
                     "--heighttype", "pixel", "--height", "24"], env=self.env, stdout=log, stderr=log)
            self.processes.append(trayer)
            try:
                self.wait_for(lambda: trayer.poll() is None and
                              self.xdotool("search", "--classname", "trayer", check=False).strip())
                return
            except AssertionError:
                if trayer.poll() is None:
                    trayer.kill()
        with open(log_path) as log:
            raise AssertionError("the tray host did not start: " + log.read())

    def _start_window_manager(self):
        openbox = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.processes.append(openbox)
        # openbox names its check window on the root once it manages the screen.
        self.wait_for(lambda: subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                             capture_output=True, text=True).stdout.count("window id") > 0)

    def active_window(self):
        return self.xdotool("getactivewindow", check=False).strip()

    def __exit__(self, *exc):
        if self.app is not None:
            if self.app.poll() is None:
                self.app.kill()
                self.app.wait()
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.home, ignore_errors=True)

    # --- the program -----------------------------------------------------------------------------

    def write_profile(self, lines):
        folder = os.path.join(self.config, "Sorvanta")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "sorvanta.conf"), "w", encoding="utf-8") as profile:
            profile.write("[Settings]\n" + "".join(line + "\n" for line in lines))

    def read_profile(self, group="Settings"):
        """The keys and values of one group of the profile."""
        values, current = {}, None
        with open(os.path.join(self.config, "Sorvanta", "sorvanta.conf"), encoding="utf-8") as profile:
            for line in profile:
                line = line.strip()
                if line.startswith("["):
                    current = line[1:-1]
                elif current == group and "=" in line:
                    key, value = line.split("=", 1)
                    values[key] = value
        return values

    def fake_host(self):
        """A stand-in host program on the PATH that records each start in the returned log."""
        log = os.path.join(self.home, "host.log")
        with open(os.path.join(self.bin, "orvanel.exe"), "w") as script:
            script.write(f"#!/bin/sh\necho started >> '{log}'\n")
        os.chmod(os.path.join(self.bin, "orvanel.exe"), 0o700)
        return log

    def start(self):
        self.start_without_window()
        self.main_window = self.wait_for(lambda: self.find_window(MAIN_TITLE, visible_only=True))
        return self.app

    def start_without_window(self):
        # The program's errors go to a file: a pipe nobody reads could fill and stop it.
        self.app_log = os.path.join(self.home, "program.log")
        with open(self.app_log, "w") as log:
            self.app = subprocess.Popen([self.program], env=self.env, stdout=subprocess.DEVNULL, stderr=log)
        return self.app

    def wait_exit(self, timeout=10):
        """The program's exit status; its error output is shown when that is not 0."""
        status = self.app.wait(timeout=timeout)
        if status != 0:
            with open(self.app_log, encoding="utf-8", errors="replace") as log:
                print(log.read()[-6000:])
        return status

    # --- X -----------------------------------------------------------------------------------------

    def xdotool(self, *args, check=True):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True, check=check,
                              timeout=30).stdout

    def find_window(self, name, visible_only=False):
        args = ["search"] + (["--onlyvisible"] if visible_only else []) + ["--name", "^" + name + "$"]
        found = self.xdotool(*args, check=False).split()
        return found[0] if found else None

    def main_visible(self):
        return self.find_window(MAIN_TITLE, visible_only=True) is not None

    def geometry(self, window):
        values = dict(line.split("=") for line in self.xdotool("getwindowgeometry", "--shell", window).split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", window)
        # The program learns of its focus from an event of its own; keys sent
        # before it has taken that event would go nowhere.
        time.sleep(0.3)

    def click(self, window, x, y, button=1):
        self.xdotool("mousemove", "--window", window, str(x), str(y), "click", str(button))

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        # xdotool types a character without a key on the keyboard by mapping a
        # spare key to it first; the program must see each new mapping before
        # the key arrives, so such characters go slower.
        delay = "20" if text.isascii() else "120"
        self.xdotool("type", "--delay", delay, text)

    def clipboard(self, target="UTF8_STRING"):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target], env=self.env,
                              capture_output=True, timeout=10).stdout.decode("utf-8")

    def quote_window(self):
        """The quote window once it is shown: the visible window of its size."""
        for window in self.xdotool("search", "--onlyvisible", "--classname", "sorvanta", check=False).split():
            if self.geometry(window)[2:] == QUOTE_WINDOW_SIZE:
                return window
        return None

    def tray_icons(self):
        """The program's icon windows inside the tray host."""
        sizes = ((window, self.geometry(window)[2:]) for window in
                 self.xdotool("search", "--classname", "sorvanta", check=False).split())
        return [window for window, (width, height) in sizes if 16 <= width <= 32 and width == height]

    def tray_icon(self):
        icons = self.tray_icons()
        return icons[0] if icons else None

    def screenshot(self, path, window=None):
        subprocess.run([self.grab_tool, path] + ([window] if window else []), env=self.env, check=True, timeout=30)

    def wait_for(self, condition, timeout=10.0):
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() > deadline:
                if self.failure_shot and "DISPLAY" in getattr(self, "env", {}):
                    self.screenshot(self.failure_shot)  # what the screen showed when the wait gave up
                raise AssertionError("timed out waiting")
            time.sleep(0.05)
