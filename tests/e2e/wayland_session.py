# SPDX-License-Identifier: MIT
"""A private Wayland session for driving the real program: weston with its
headless backend (no screen, no input devices of its own) and desktop shell, a
D-Bus session bus with the accessibility bus, and optionally a
StatusNotifierWatcher as a Wayland panel runs one.

weston's headless backend has no seat, so no window could ever take the
keyboard. The test module weston_test_input.so adds one whose keys and clicks
the driver sends (weston_input.py); the program gets them as real Wayland input.
weston runs with its debug protocol on, which lets weston-screenshooter take
screenshots and weston-debug read the scene graph (where each window stands:
a Wayland client cannot know its own position)."""

import os
import re
import shutil
import subprocess
import tempfile

from desktop_session import AT_SPI_BUS_LAUNCHER, SessionBase, SessionError, wait_until

REQUIRED_PROGRAMS = ["weston", "weston-screenshooter", "weston-debug", "dbus-daemon", "dbus-send"]
QT_WAYLAND_PLUGIN = "libqwayland-generic.so"

# No screen lock or fading after idle time, no animations to wait out, and no
# on-screen keyboard popping up over a focused text field.
WESTON_CONFIG = """\
[core]
idle-time=0

[shell]
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none

[input-method]
path=
"""

_VIEW = re.compile(r"^\s*View \d+ \(role (?P<role>[^,]*), PID (?P<pid>\d+), surface ID \d+, (?P<what>.*), 0x[0-9a-f]+\):$")
_BOX = re.compile(r"\((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)")


def missing_tools():
    """Names of what the Wayland session needs but cannot find."""
    missing = [p for p in REQUIRED_PROGRAMS if shutil.which(p) is None]
    if not os.access(AT_SPI_BUS_LAUNCHER, os.X_OK):
        missing.append(AT_SPI_BUS_LAUNCHER + " (at-spi2-core)")
    plugins = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_PLUGINS"], capture_output=True, text=True)
    folder = plugins.stdout.strip() if plugins.returncode == 0 else "/usr/lib/x86_64-linux-gnu/qt6/plugins"
    if not os.path.exists(os.path.join(folder, "platforms", QT_WAYLAND_PLUGIN)):
        missing.append("Qt's Wayland platform plugin (qt6-wayland)")
    return missing


class View:
    """A surface as weston shows it: its role, its client's process, and where it stands."""

    def __init__(self, role, pid, what, box, opaque):
        self.role = role
        self.pid = pid
        self.what = what
        self.x, self.y, self.right, self.bottom = box
        self.opaque = opaque

    @property
    def width(self):
        return self.right - self.x

    @property
    def height(self):
        return self.bottom - self.y

    def __repr__(self):
        return f"View({self.role}, pid {self.pid}, {self.what!r}, {self.x},{self.y} {self.width}x{self.height})"


class WaylandSession(SessionBase):
    """screen: the output's size in pixels; scale: its integer scale (weston 10 has no
    fractional scale), so that the desktop is screen / scale logical pixels wide; tray:
    "sni" for a StatusNotifierWatcher, or None (a Wayland session has no XEmbed tray)."""

    platform = "wayland"

    def __init__(self, input_module=None, screen=(1280, 800), scale=1, tray=None):
        super().__init__()
        # weston looks for a module named without a folder among its own.
        self.input_module = os.path.abspath(input_module) if input_module else None
        self.screen = screen
        self.scale = scale
        self.tray_kind = tray
        self.input_socket = None

    def start(self):
        self._start_compositor()
        self._start_buses()
        if self.tray_kind == "sni":
            self.start_status_notifier_watcher()
        elif self.tray_kind is not None:
            raise SessionError(f"no tray {self.tray_kind!r} under Wayland")
        return self

    def _start_compositor(self):
        runtime = self.env["XDG_RUNTIME_DIR"]
        config = os.path.join(self.root, "weston.ini")
        with open(config, "w") as file:
            # The output's scale counts only from here; its size is given in logical pixels.
            file.write(WESTON_CONFIG + f"\n[output]\nname=headless\nscale={self.scale}\n")
        socket_name = "wayland-erakon"
        argv = ["weston", "--backend=headless-backend.so", "--use-pixman",
                f"--width={self.screen[0] // self.scale}", f"--height={self.screen[1] // self.scale}",
                f"--socket={socket_name}", f"--config={config}", "--idle-time=0",
                # The debug protocol lets weston-screenshooter and weston-debug in.
                "--debug"]
        env = dict(self.env)
        if self.input_module:
            self.input_socket = os.path.join(runtime, "test-input")
            env["ERAKON_TEST_INPUT_SOCKET"] = self.input_socket
            argv.append(f"--modules={self.input_module}")
        self.weston = self.spawn(argv, env=env, log_name="weston.log")

        def listening():
            if self.weston.poll() is not None:
                with open(os.path.join(self.root, "weston.log"), errors="replace") as log:
                    raise AssertionError(f"weston ended with status {self.weston.returncode}:\n{log.read()}")
            return os.path.exists(os.path.join(runtime, socket_name)) and (
                self.input_socket is None or os.path.exists(self.input_socket))
        wait_until(listening, 20, "weston")
        self.env["WAYLAND_DISPLAY"] = socket_name
        # The shell's panel is up once the desktop is: windows then open as on a desktop.
        wait_until(lambda: any(v.role == "(null)" and v.what.startswith("panel") for v in self.views()),
                   20, "weston's desktop shell")

    # --- what the compositor shows ---

    def scene_graph(self):
        result = self.run(["weston-debug", "scene-graph"], timeout=10)
        if result.returncode != 0:
            raise SessionError(f"weston-debug failed: {result.stderr.strip()}")
        return result.stdout

    def views(self):
        """Every view weston shows, from the top of the stack down."""
        views = []
        current = None
        for line in self.scene_graph().splitlines():
            match = _VIEW.match(line)
            if match:
                current = {"role": match["role"], "pid": int(match["pid"]), "what": match["what"],
                           "box": None, "opaque": None}
                views.append(current)
                continue
            if current is None:
                continue
            box = _BOX.search(line)
            if box and line.strip().startswith("position:"):
                current["box"] = tuple(int(n) for n in box.groups())
            elif box and line.strip().startswith("[opaque:"):
                current["opaque"] = tuple(int(n) for n in box.groups())
        return [View(v["role"], v["pid"], v["what"], v["box"], v["opaque"]) for v in views if v["box"]]

    def toplevels(self, pid):
        """The shown xdg-shell windows of a process, as weston stacks them."""
        return [v for v in self.views() if v.pid == pid and v.role == "xdg_toplevel"]

    def screenshot(self, path):
        """What the output shows, through weston's own screenshooter."""
        folder = tempfile.mkdtemp(dir=self.root)
        result = subprocess.run(["weston-screenshooter"], cwd=folder, env=self.env,
                                capture_output=True, text=True, timeout=20)
        shots = [name for name in os.listdir(folder) if name.endswith(".png")]
        if result.returncode != 0 or len(shots) != 1:
            return False
        shutil.move(os.path.join(folder, shots[0]), path)
        os.rmdir(folder)
        return True
