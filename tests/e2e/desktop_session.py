# SPDX-License-Identifier: MIT
"""A private desktop session for driving the real program: an Xvfb display, a
D-Bus session bus with the accessibility bus, the openbox window manager and a
tray, either the trayer system tray (XEmbed) or a StatusNotifierWatcher on the
bus. Everything started here is stopped by close(), also when the driver dies
(each child gets SIGTERM when its parent goes). wayland_session.py has the same
session around weston instead of X."""

import ctypes
import importlib.util
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

AT_SPI_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
REQUIRED_PROGRAMS = ["Xvfb", "dbus-daemon", "openbox", "trayer", "xdotool", "xprop", "dbus-send"]

_PR_SET_PDEATHSIG = 1


class SessionError(RuntimeError):
    pass


def missing_tools():
    """Names of the programs and modules the session needs but cannot find."""
    missing = [p for p in REQUIRED_PROGRAMS if shutil.which(p) is None]
    if not os.access(AT_SPI_BUS_LAUNCHER, os.X_OK):
        missing.append(AT_SPI_BUS_LAUNCHER + " (at-spi2-core)")
    # Found, not imported: importing it reaches for a bus that does not exist yet.
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("pyatspi (python3-pyatspi, for /usr/bin/python3)")
    return missing


def wait_until(condition, timeout, what, interval=0.05):
    """Polls condition until it returns something true; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            result = condition()
            if result:
                return result
        except AssertionError:   # a verdict, not a state to wait out
            raise
        except Exception as error:  # the thing polled may not exist yet
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise TimeoutError(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(interval)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}: expected {expected!r}, got {actual!r}")


def keep_evidence(session, name, artifacts, log_tail=None):
    """What the screen showed and what the programs said, for a failed run;
    with log_tail, only the last so many characters of each log."""
    if artifacts:
        os.makedirs(artifacts, exist_ok=True)
        shot = os.path.join(artifacts, f"{name}.png")
        try:
            if session.screenshot(shot):
                print(f"screenshot: {shot}")
        except Exception:
            pass
    for log in sorted(os.listdir(session.root)):
        if log.endswith(".log"):
            with open(os.path.join(session.root, log), errors="replace") as file:
                text = file.read().strip()
            if text:
                print(f"--- {log} ---\n{text[-log_tail:] if log_tail else text}")


def _die_with_parent():
    # Children must not outlive a driver killed by the test runner's timeout.
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)
    os.setsid()


def japanese_locale_name():
    """A Japanese UTF-8 locale the C library knows, or None."""
    try:
        names = subprocess.run(["locale", "-a"], capture_output=True, text=True, timeout=10).stdout.split()
    except (OSError, subprocess.SubprocessError):
        return None
    if any(name.lower().replace("-", "") == "ja_jp.utf8" for name in names):
        return "ja_JP.UTF-8"
    return None


class SessionBase:
    """What every private session has: its own folder with a home and a runtime
    folder, a D-Bus session bus with the accessibility bus, and the processes it
    started."""

    # What the program under test is told to use (QT_QPA_PLATFORM).
    platform = None

    def __init__(self):
        self._processes = []
        self.tray = None
        self.root = tempfile.mkdtemp(prefix="erakon-e2e-")
        self.env = self._base_environment()

    def _base_environment(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "XDG_", "DBUS_", "LC_", "AT_SPI"))}
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
        home = os.path.join(self.root, "home")
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        env["HOME"] = home
        env["XDG_RUNTIME_DIR"] = runtime
        env["TZ"] = "Asia/Tokyo"
        env["LANG"] = japanese_locale_name() or "C.UTF-8"
        return env

    def spawn(self, argv, env=None, stdout=subprocess.DEVNULL, log_name=None):
        """Starts a process of the session; it is stopped by close()."""
        log = open(os.path.join(self.root, log_name), "wb") if log_name else None
        try:
            process = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL,
                                       stdout=log or stdout,
                                       stderr=subprocess.STDOUT if log else subprocess.DEVNULL,
                                       preexec_fn=_die_with_parent)
        finally:
            if log:
                log.close()   # the child has its own copy
        self._processes.append(process)
        return process

    def _start_buses(self):
        self._start_session_bus()
        self.spawn([AT_SPI_BUS_LAUNCHER, "--launch-immediately"])
        self._wait_for_accessibility_bus()

    def start_status_notifier_watcher(self):
        """A panel's StatusNotifierWatcher and host on the session bus, as KDE Plasma and
        most Wayland panels run one. Qt looks for it when the program makes its tray
        icon, so it starts before the program."""
        import status_notifier
        self.tray = status_notifier.start_watcher(self)
        return self.tray

    def screenshot(self, path):
        """Saves what the screen shows as a PNG; True when that worked."""
        raise NotImplementedError

    def _start_session_bus(self):
        process = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                             stdout=subprocess.PIPE)
        address = process.stdout.readline().decode().strip()
        process.stdout.close()
        if not address:
            raise SessionError("dbus-daemon did not report its address")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _wait_for_accessibility_bus(self):
        def answered():
            reply = self.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                              "/org/a11y/bus", "org.a11y.Bus.GetAddress"])
            return reply.returncode == 0 and "unix:" in reply.stdout
        wait_until(answered, 20, "the accessibility bus")

    def run(self, argv, timeout=20):
        """Runs a short command inside the session and returns its result."""
        return subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=timeout)

    def stop(self, process, timeout=10):
        """Stops one process of the session and what it started: SIGTERM, then SIGKILL."""
        if process.poll() is not None:
            return
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            return
        try:
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            pass
        # Children left in the group (a bus launched by the launcher) go too.
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait(5)

    def close(self):
        """Stops everything in reverse order of starting, and removes the session's files."""
        for process in reversed(self._processes):
            try:
                self.stop(process)
            except Exception:
                pass
        self._processes.clear()
        shutil.rmtree(self.root, ignore_errors=True)

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.close()
        return False


class DesktopSession(SessionBase):
    """An X11 session: Xvfb, openbox and a tray.

    screen: the screen's size in pixels. dpi: Xft.dpi set through xrdb, as a desktop
    sets its scale (120 is 125 %, 144 is 150 %, 192 is 200 %). tray: "xembed" (trayer),
    "sni" (a StatusNotifierWatcher with its host) or None. tray_height: the XEmbed tray's
    height in pixels (trayer's own default when None)."""

    platform = "xcb"

    def __init__(self, screen=(1280, 800), dpi=None, tray="xembed", tray_height=None):
        super().__init__()
        self.screen = screen
        self.dpi = dpi
        self.tray_kind = tray
        self.tray_height = tray_height

    def start(self):
        self._start_display()
        if self.dpi is not None:
            merged = subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {self.dpi}\n", env=self.env,
                                    capture_output=True, text=True, timeout=20)
            if merged.returncode != 0:
                raise SessionError(f"xrdb failed: {merged.stderr.strip()}")
        self._start_buses()
        self.spawn(["openbox"], log_name="openbox.log")
        # A window manager that speaks EWMH announces its desktops.
        wait_until(lambda: self.run(["xdotool", "get_num_desktops"]).returncode == 0,
                   20, "the window manager")
        if self.tray_kind == "xembed":
            height = ["--height", str(self.tray_height)] if self.tray_height else []
            self.tray = self.spawn(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                                    *height], log_name="trayer.log")
            wait_until(self._tray_owned, 20, "the system tray")
        elif self.tray_kind == "sni":
            self.start_status_notifier_watcher()
        return self

    def screenshot(self, path):
        return self.run(["import", "-window", "root", path]).returncode == 0

    def _start_display(self):
        read_end, write_end = os.pipe()
        process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{self.screen[0]}x{self.screen[1]}x24",
             "-nolisten", "tcp",
             # Without -noreset the server would write to the closed pipe when its last client leaves.
             "-noreset"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            pass_fds=(write_end,), preexec_fn=_die_with_parent)
        self._processes.append(process)
        os.close(write_end)
        # Xvfb writes its display number once it accepts connections.
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], 0.1)
            if not ready:
                if time.monotonic() > deadline or process.poll() is not None:
                    os.close(read_end)
                    raise SessionError("Xvfb did not start")
                continue
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip():
            raise SessionError("Xvfb did not report its display")
        number = number.decode().strip()
        self.env["DISPLAY"] = ":" + number
        # The number comes a moment before the server takes connections.
        wait_until(lambda: os.path.exists(f"/tmp/.X11-unix/X{number}")
                   and self.run(["xdotool", "getmouselocation"]).returncode == 0,
                   20, "the X server")

    def _tray_owned(self):
        # trayer maps its panel once it owns the tray selection.
        found = self.run(["xdotool", "search", "--onlyvisible", "--class", "trayer"])
        return found.returncode == 0 and found.stdout.strip() != ""
