"""A private Wayland desktop: its own session bus, KWin on a virtual output, the desktop portal with
global shortcuts and waybar as the tray host ("desktop no-portal no-tray" leaves those two out); driven
through KWin's fake input, the tray through its D-Bus item as a tray host uses it."""
import glob
import json
import os
import shutil
import subprocess
import time

from x11 import X11Desktop

PORTAL_KDE = glob.glob("/usr/lib/*/libexec/xdg-desktop-portal-kde") + ["/usr/libexec/xdg-desktop-portal-kde"]
# The program names its portal session, and so its entry in the desktop's shortcuts, so.
PORTAL_SESSION_TOKEN = "sorvanta"
WAYBAR_CONFIG = {"position": "top", "height": 26, "modules-right": ["tray"], "tray": {"icon-size": 18}}


class WaylandDesktop(X11Desktop):
    def _start(self):
        self.config, self.bin = os.path.join(self.home, "config"), os.path.join(self.home, "bin")
        folders = {name: os.path.join(self.home, name) for name in ("runtime", "data", "cache", "state")}
        for folder in (self.config, self.bin, *folders.values()):
            os.makedirs(folder, mode=0o700)
        base = {key: value for key, value in os.environ.items()
                if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS")}
        self.env = dict(base, HOME=self.home, XDG_CONFIG_HOME=self.config, XDG_RUNTIME_DIR=folders["runtime"],
                        XDG_DATA_HOME=folders["data"], XDG_CACHE_HOME=folders["cache"], XDG_STATE_HOME=folders["state"],
                        XDG_CURRENT_DESKTOP="KDE", XDG_SESSION_TYPE="wayland", NO_AT_BRIDGE="1",
                        PATH=self.bin + ":" + os.environ.get("PATH", "/usr/bin:/bin"))
        self._start_bus()
        # The installed compositor carries a file capability that this machine's
        # bounding set lacks; a plain copy of it runs.
        kwin = os.path.join(self.bin, "kwin_wayland")
        shutil.copyfile(shutil.which("kwin_wayland"), kwin)
        os.chmod(kwin, 0o700)
        self.spawn([kwin, "--virtual", "--no-lockscreen", "--no-kactivities", "--socket", "wayland-sorvanta",
                    "--width", "1024", "--height", "768"],
                   env=dict(self.env, KWIN_WAYLAND_NO_PERMISSION_CHECKS="1"))
        self.started(lambda: os.path.exists(os.path.join(folders["runtime"], "wayland-sorvanta")), "KWin")
        self.env["WAYLAND_DISPLAY"] = "wayland-sorvanta"
        self.started(lambda: self.bus_has("org.kde.KWin"), "KWin")
        if "no-portal" not in self.options:
            # Its back end asks the person on the desktop, as a Wayland client.
            self.spawn([PORTAL_KDE[0]], env=dict(self.env, QT_QPA_PLATFORM="wayland"))
            self.started(lambda: self.bus_has("org.freedesktop.impl.portal.desktop.kde"), "the portal's back end")
            self.spawn(["/usr/libexec/xdg-desktop-portal"])
            self.started(lambda: self.busctl("get-property", "org.freedesktop.portal.Desktop",
                                             "/org/freedesktop/portal/desktop",
                                             "org.freedesktop.portal.GlobalShortcuts", "version") == 1, "the portal")
        if "no-tray" not in self.options:
            config = os.path.join(self.home, "waybar.json")
            with open(config, "w") as out:
                json.dump(WAYBAR_CONFIG, out)
            self.spawn(["waybar", "-c", config], env=dict(self.env, GDK_BACKEND="wayland"))
            self.started(lambda: self.bus_has("org.kde.StatusNotifierWatcher"), "waybar")

    def _start_bus(self):
        # The standard session bus without its services: whatever runs on it
        # is started here, so nothing outlives the desktop.
        config = os.path.join(self.home, "bus.conf")
        with open("/usr/share/dbus-1/session.conf") as standard, open(config, "w") as out:
            out.write(standard.read().replace("<standard_session_servicedirs />", "").replace(
                "unix:tmpdir=/tmp", "unix:dir=" + self.env["XDG_RUNTIME_DIR"]))
        bus = self.spawn(["dbus-daemon", "--config-file=" + config, "--nofork", "--nopidfile", "--print-address=1"],
                         stdout=subprocess.PIPE, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        bus.stdout.close()
        assert self.env["DBUS_SESSION_BUS_ADDRESS"], "the session bus did not start"

    def started(self, condition, what):
        assert self.wait_for(condition, timeout=15), what + " did not start"

    def busctl(self, *args):
        """What busctl answers, as data (a call's list of results, a property's value); None on an error."""
        reply = subprocess.run(["busctl", "--user", "--json=short", *args], env=self.env, capture_output=True,
                               text=True, timeout=10)
        if reply.returncode != 0:
            return None
        return json.loads(reply.stdout)["data"] if reply.stdout.strip() else []

    def bus_has(self, name):
        return subprocess.run(["busctl", "--user", "status", name], env=self.env, capture_output=True,
                              timeout=10).returncode == 0

    # --- windows and input -------------------------------------------------------------------------------

    def drive(self, *args):
        return subprocess.run([self.tools["wayland_drive"], *args], env=self.env, capture_output=True, text=True,
                              check=True, timeout=30).stdout

    def windows(self, title):
        """Lines "active minimized x y width height" of the mapped windows of that title; a hidden window has
        no surface and is not listed."""
        return [line.rsplit(" ", 1)[0] for line in self.drive("windows").splitlines()
                if line.split(" ", 6)[-1] == title]

    def focus(self, title):
        assert self.wait_for(lambda: self.when_active(title)), title + " has no focus"

    def when_active(self, title):
        """The window is shown, placed and has the focus."""
        return any(line.startswith("1 0 ") and line.split()[4] != "0" for line in self.windows(title or "Цитата"))

    def when_minimized(self, title):
        return any(line.split()[1] == "1" for line in self.windows(title or "Цитата"))

    def key(self, combination):
        self.drive("key", combination.lower())

    def type_text(self, text):
        self.drive("type", text)

    def clipboard(self, _):
        """The clipboard's text as another program, which takes the focus to read it, sees it."""
        return subprocess.run([self.tools["wayland_clipboard"]], env=self.env, capture_output=True, timeout=30,
                              text=True).stdout

    def do_editor(self, name):
        """A Qt text editor (featherpad) on its Wayland platform, on an empty document of that name in the home
        folder, active."""
        self.document = os.path.join(self.home, name)
        open(self.document, "w").close()
        self.spawn(["featherpad", self.document], env=dict(self.env, QT_QPA_PLATFORM="wayland"))
        assert self.wait_for(self.editor_active, timeout=15), "the editor has no focus"

    def editor_active(self):
        """The editor has the focus (its title is the document's path, with "*" once changed)."""
        return any(line.startswith("1 0 ") and line.split(" ", 6)[-1].lstrip("*") == self.document
                   for line in self.drive("windows").splitlines())

    def when_document(self, text):
        """The editor's text, saved with Ctrl+S while it has the focus: a Wayland program cannot give it back."""
        if not self.editor_active():
            return False
        self.key("ctrl+s")
        time.sleep(0.3)
        with open(self.document, encoding="utf-8") as document:
            return document.read().rstrip("\n") == text

    def when_shortcuts(self, names):
        """The desktop's shortcut service holds these of the program's shortcuts."""
        held = self.busctl("call", "org.kde.kglobalaccel", "/component/" + PORTAL_SESSION_TOKEN,
                           "org.kde.kglobalaccel.Component", "shortcutNames")
        return held is not None and set(held[0]) == set(names.split())

    # --- the tray item -----------------------------------------------------------------------------------

    def tray_item(self):
        items = self.busctl("get-property", "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                            "org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems")
        service, path = items[0].split("/", 1)
        return service, "/" + path

    def do_tray_tip(self, text):
        tip = self.busctl("get-property", *self.tray_item(), "org.kde.StatusNotifierItem", "ToolTip")
        assert tip[2] == text, tip

    def do_tray_icon_sizes(self, sizes):
        """The item's pictures that are not blank come in these sizes."""
        pixmaps = self.busctl("get-property", *self.tray_item(), "org.kde.StatusNotifierItem", "IconPixmap")
        assert {str(width) for width, _, pixels in pixmaps if any(pixels)} >= set(sizes.split()), pixmaps

    def do_tray_call(self, rest):
        """tray-call METHOD X Y: Activate or ContextMenu, as a tray host calls them."""
        method, x, y = rest.split()
        assert self.busctl("call", *self.tray_item(), "org.kde.StatusNotifierItem", method, "ii", x, y) is not None

    def do_tray_menu(self, label):
        """The item of the menu the tray host draws, clicked: an event to the menu the item exports."""
        service, path = self.tray_item()
        menu = self.busctl("get-property", service, path, "org.kde.StatusNotifierItem", "Menu")
        layout = self.busctl("call", service, menu, "com.canonical.dbusmenu", "GetLayout", "iias", "0", "9", "0")[1]
        entries, ids = [layout], {}
        while entries:
            number, properties, children = entries.pop()
            ids[properties.get("label", {}).get("data")] = number
            entries += [child["data"] for child in children]
        self.busctl("call", service, menu, "com.canonical.dbusmenu", "Event", "isvu", str(ids[label]), "clicked",
                    "s", "", "0")
