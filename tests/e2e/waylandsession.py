"""A private Wayland desktop: its own session bus, KWin on a virtual output,
the desktop portal with global shortcuts, waybar as the tray host, and the
real program running in it, driven through KWin's fake input."""
import collections
import glob
import json
import os
import shutil
import subprocess
import tempfile

from x11session import MAIN_TITLE, QUOTE_WINDOW_SIZE, X11Session

PORTAL = "/usr/libexec/xdg-desktop-portal"
PORTAL_KDE = glob.glob("/usr/lib/*/libexec/xdg-desktop-portal-kde") + ["/usr/libexec/xdg-desktop-portal-kde"]
# The program names its portal session, and so its entry in the desktop's shortcuts, so.
PORTAL_SESSION_TOKEN = "sorvanta"
SCREEN_SIZE = (1024, 768)
BAR_HEIGHT = 26
WAYBAR_CONFIG = {"position": "top", "height": BAR_HEIGHT, "modules-right": ["tray"],
                 "tray": {"icon-size": 18, "spacing": 4}}
# A plain black bar: whatever is not black on it is a tray icon.
WAYBAR_STYLE = "* { border: none; border-radius: 0; min-height: 0; }\nwindow#waybar { background: #000000; }\n"


# A window as KWin lists it; a hidden window has no surface and is not listed.
Window = collections.namedtuple("Window", "active minimized x y width height title")


class WaylandSession:
    """KWin, the portal and waybar on a fresh bus with fresh home and runtime folders."""

    # The profile and the program's own life are the same as under X11.
    write_profile = X11Session.write_profile
    read_profile = X11Session.read_profile
    fake_host = X11Session.fake_host
    start = X11Session.start
    start_without_window = X11Session.start_without_window
    wait_exit = X11Session.wait_exit
    main_visible = X11Session.main_visible

    def __init__(self, program, grab_tool, drive_tool, clipboard_tool, tray=True, portal=True, failure_shot=None):
        self.program = program
        self.clipboard_tool = clipboard_tool
        self.drive_tool = drive_tool
        self.grab_tool = grab_tool
        self.tray = tray
        self.portal = portal
        self.failure_shot = failure_shot
        self.processes = []
        self.app = None

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="sorvanta-wayland-")
        try:
            self._start_desktop()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    __exit__ = X11Session.__exit__

    # --- the desktop -------------------------------------------------------------------------------

    def _start_desktop(self):
        self.config = os.path.join(self.home, "config")
        self.bin = os.path.join(self.home, "bin")
        runtime = os.path.join(self.home, "runtime")
        for folder in (self.config, self.bin, runtime, os.path.join(self.home, "data"),
                       os.path.join(self.home, "cache"), os.path.join(self.home, "state")):
            os.makedirs(folder, mode=0o700)
        base = {key: value for key, value in os.environ.items()
                if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS")}
        self.env = dict(base, HOME=self.home, XDG_CONFIG_HOME=self.config, XDG_RUNTIME_DIR=runtime,
                        XDG_DATA_HOME=os.path.join(self.home, "data"), XDG_CACHE_HOME=os.path.join(self.home, "cache"),
                        XDG_STATE_HOME=os.path.join(self.home, "state"), XDG_CURRENT_DESKTOP="KDE",
                        XDG_SESSION_TYPE="wayland", NO_AT_BRIDGE="1",
                        PATH=self.bin + ":" + os.environ.get("PATH", "/usr/bin:/bin"))
        self._start_bus()
        self._start_kwin()
        if self.portal:
            self._start_portal()
        if self.tray:
            self._start_tray_host()

    def _spawn(self, args, name, **env):
        with open(os.path.join(self.home, name + ".log"), "w") as log:
            process = subprocess.Popen(args, env=dict(self.env, **env), stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT)
        self.processes.append(process)
        return process

    def log_of(self, name):
        with open(os.path.join(self.home, name + ".log"), encoding="utf-8", errors="replace") as log:
            return log.read()

    def _start_bus(self):
        # The standard session bus without its services: whatever runs on it
        # is started here, so nothing outlives the session.
        config = os.path.join(self.home, "bus.conf")
        with open("/usr/share/dbus-1/session.conf") as standard, open(config, "w") as out:
            out.write(standard.read().replace("<standard_session_servicedirs />", "").replace(
                "unix:tmpdir=/tmp", "unix:dir=" + self.env["XDG_RUNTIME_DIR"]))
        bus = subprocess.Popen(["dbus-daemon", "--config-file=" + config, "--nofork", "--nopidfile", "--print-address=1"],
                               env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.processes.append(bus)
        address = bus.stdout.readline().strip()
        bus.stdout.close()
        if not address:
            raise AssertionError("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _start_kwin(self):
        # The installed binary carries a file capability that this machine's
        # bounding set lacks; a plain copy of it runs.
        kwin = os.path.join(self.bin, "kwin_wayland")
        shutil.copyfile(shutil.which("kwin_wayland"), kwin)
        os.chmod(kwin, 0o700)
        socket = "wayland-sorvanta"
        width, height = SCREEN_SIZE
        self._spawn([kwin, "--virtual", "--no-lockscreen", "--no-kactivities", "--socket", socket,
                     "--width", str(width), "--height", str(height)], "kwin",
                    KWIN_WAYLAND_NO_PERMISSION_CHECKS="1", KWIN_SCREENSHOT_NO_PERMISSION_CHECKS="1")
        self.wait_for(lambda: os.path.exists(os.path.join(self.env["XDG_RUNTIME_DIR"], socket)), shot=False)
        self.env["WAYLAND_DISPLAY"] = socket
        self.wait_for(lambda: self.bus_has("org.kde.KWin"), shot=False)

    def _start_portal(self):
        # The back end draws nothing that the tests need.
        self._spawn([PORTAL_KDE[0]], "portal-kde", QT_QPA_PLATFORM="offscreen")
        self.wait_for(lambda: self.bus_has("org.freedesktop.impl.portal.desktop.kde"), shot=False)
        self._spawn([PORTAL], "portal")
        self.wait_for(lambda: self.portal_has_global_shortcuts(), timeout=15, shot=False)

    def _start_tray_host(self):
        config = os.path.join(self.home, "waybar.json")
        style = os.path.join(self.home, "waybar.css")
        with open(config, "w") as out:
            json.dump(WAYBAR_CONFIG, out)
        with open(style, "w") as out:
            out.write(WAYBAR_STYLE)
        self._spawn(["waybar", "-c", config, "-s", style], "waybar", GDK_BACKEND="wayland")
        self.wait_for(lambda: self.bus_has("org.kde.StatusNotifierWatcher"), timeout=15, shot=False)

    # --- the session bus -----------------------------------------------------------------------------

    def busctl(self, *args):
        """What busctl answers, as data (a call's list of results, a property's value); None on an error."""
        reply = subprocess.run(["busctl", "--user", "--json=short", *args], env=self.env, capture_output=True,
                               text=True, timeout=10)
        return json.loads(reply.stdout)["data"] if reply.returncode == 0 and reply.stdout.strip() else None

    def bus_has(self, name):
        return subprocess.run(["busctl", "--user", "status", name], env=self.env, capture_output=True,
                              timeout=10).returncode == 0

    def portal_has_global_shortcuts(self):
        return self.busctl("get-property", "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                           "org.freedesktop.portal.GlobalShortcuts", "version") == 1

    def desktop_shortcuts(self):
        """The ids of the program's shortcuts as the desktop's shortcut service holds them."""
        names = self.busctl("call", "org.kde.kglobalaccel", "/component/" + PORTAL_SESSION_TOKEN,
                            "org.kde.kglobalaccel.Component", "shortcutNames")
        return set(names[0]) if names else set()

    def _tray_item(self):
        items = self.busctl("get-property", "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                            "org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems")
        service, path = items[0].split("/", 1)
        return service, "/" + path

    def tray_item(self, name):
        """A property of the first item in the tray, as the tray host reads it."""
        return self.busctl("get-property", *self._tray_item(), "org.kde.StatusNotifierItem", name)

    def tray_call(self, method, *args):
        """Calls a method of the first item in the tray, as a tray host does."""
        return self.busctl("call", *self._tray_item(), "org.kde.StatusNotifierItem", method, *args)

    # --- the program ---------------------------------------------------------------------------------

    def command(self, *args):
        """The program started once more with the arguments, to its end."""
        return subprocess.run([self.program, *args], env=self.env, capture_output=True, text=True, timeout=30)

    def program_log(self):
        with open(self.app_log, encoding="utf-8", errors="replace") as log:
            return log.read()

    def clipboard(self):
        """The clipboard's text as another program, which takes the focus to read it, sees it."""
        return subprocess.run([self.clipboard_tool], env=self.env, capture_output=True, check=True, timeout=30,
                              text=True).stdout

    def cpu_ticks(self):
        """The processor time the program has used so far, in clock ticks."""
        with open(f"/proc/{self.app.pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])

    def focused(self, title=MAIN_TITLE):
        """The window with that title when it is shown, placed and has the focus."""
        window = self.find_window(title)
        return window if window and window.active and not window.minimized and window.width > 0 else None

    # --- windows and input ---------------------------------------------------------------------------

    def drive(self, *args):
        return subprocess.run([self.drive_tool, *args], env=self.env, capture_output=True, text=True, check=True,
                              timeout=30).stdout

    def windows(self):
        """Every mapped window as a Window."""
        found = []
        for line in self.drive("windows").splitlines():
            active, minimized, x, y, width, height, title = line.split(" ", 6)
            found.append(Window(active == "1", minimized == "1", int(x), int(y), int(width), int(height), title))
        return found

    def find_window(self, name, visible_only=False):
        # A hidden window has no surface on Wayland: every listed window is visible.
        return next((window for window in self.windows() if window.title == name), None)

    def key(self, combination):
        self.drive("key", combination)

    def type_text(self, text):
        """Types the text with real keys, as on a US keyboard."""
        self.drive("type", text)

    def quote_window(self):
        """The quote window once it is shown: the window of its size."""
        return next((window for window in self.windows() if (window.width, window.height) == QUOTE_WINDOW_SIZE), None)

    def click(self, x, y, button="left"):
        self.drive("click", str(x), str(y), button)

    def tray_icon(self):
        """The centre of the first tray icon on the bar, or None."""
        width, pixels = self.screen_pixels()
        columns = [x for y in range(2, BAR_HEIGHT - 2) for x in range(width)
                   if pixels[(y * width + x) * 3:(y * width + x) * 3 + 3] != b"\0\0\0"]
        if not columns:
            return None
        return (min(columns) + max(columns)) // 2, BAR_HEIGHT // 2

    # --- pictures ------------------------------------------------------------------------------------

    def screenshot(self, path):
        subprocess.run([self.grab_tool, path], env=self.env, check=True, timeout=30, capture_output=True)

    def screen_pixels(self):
        """The screen's width and its pixels as RGB bytes, row after row."""
        path = os.path.join(self.home, "screen.ppm")
        self.screenshot(path)
        with open(path, "rb") as picture:
            header = picture.read(64)
        # "P6", width, height, 255, then one byte of white space and the pixels.
        fields = header.split(maxsplit=4)
        width = int(fields[1])
        with open(path, "rb") as picture:
            return width, picture.read()[-width * int(fields[2]) * 3:]

    def wait_for(self, condition, timeout=10.0, shot=True):
        try:
            return X11Session.wait_for(self, condition, timeout)
        except AssertionError:
            if shot and self.failure_shot:
                self.screenshot(self.failure_shot)  # what the screen showed when the wait gave up
            raise


def open_session(test, args, **options):
    """A desktop for one test, ended with it, with a profile on the sample modules and a stand-in host,
    whose log of starts it returns too."""
    shot = os.path.join(args.shots, "wayland-" + test.id().rsplit(".", 1)[1] + "-failure.png")
    session = WaylandSession(args.program, args.grab_tool, args.input_tool, args.clipboard_tool, failure_shot=shot,
                             **options).__enter__()
    test.addCleanup(session.__exit__, None, None, None)
    session.write_profile(["Directory=" + args.modules])
    return session, session.fake_host()
