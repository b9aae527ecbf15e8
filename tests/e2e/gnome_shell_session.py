# SPDX-License-Identifier: MIT
"""A private GNOME Shell session, headless: GNOME Shell as a Wayland compositor on a
virtual monitor, with its own session bus and a private, permissive system bus
(GNOME Shell asks the system bus for logind, accounts and the like, and starts without
their answers), the AppIndicator extension enabled as its tray host, and settings kept
in a key file of the session's own (GSETTINGS_BACKEND=keyfile), so that nothing of the
machine's or the user's is read or changed.

The shell is driven through org.gnome.Shell.Eval, which --unsafe-mode allows: the
overview's search, the search results, the panel's indicators, the windows it shows.
Input goes through a virtual pointer and keyboard that the shell itself makes
(Clutter's virtual input devices), so that the program gets real Wayland or X input.
Screenshots through org.gnome.Shell.Screenshot."""

import json
import os
import shutil
import subprocess

import dbus

from desktop_session import SessionBase, SessionError, wait_until

REQUIRED_PROGRAMS = ["gnome-shell", "dbus-daemon", "gsettings"]
APPINDICATOR_EXTENSION = "ubuntu-appindicators@ubuntu.com"
EXTENSION_FOLDERS = ["/usr/share/gnome-shell/extensions", "/usr/local/share/gnome-shell/extensions"]

# Anyone on the private system bus may own any name and call anything: GNOME Shell
# looks for services there that a test session does not have.
SYSTEM_BUS_CONFIG = """\
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""

# GNOME Shell on a machine shared with builds is slow to start; it takes 15 to 30 s
# on an idle 2-core machine.
SHELL_START_TIMEOUT = 120


def missing_tools():
    missing = [p for p in REQUIRED_PROGRAMS if shutil.which(p) is None]
    if not any(os.path.isdir(os.path.join(folder, APPINDICATOR_EXTENSION)) for folder in EXTENSION_FOLDERS):
        missing.append("the AppIndicator extension (gnome-shell-extension-appindicator)")
    return missing


class ShellCrashed(SessionError):
    pass


class GnomeShellSession(SessionBase):
    """data_dirs: folders put before the system's in XDG_DATA_DIRS (where an installed
    program's desktop entry, search provider and D-Bus service are found). x11: lets
    mutter start Xwayland for X11 clients, as a GNOME session does; without it the
    session is Wayland only. scale: the monitor's scale (1, 2; 1.25 needs mutter's
    fractional scaling)."""

    platform = "gnome-shell"

    def __init__(self, data_dirs=(), x11=False, screen=(1280, 800), extensions=(APPINDICATOR_EXTENSION,)):
        super().__init__()
        self.data_dirs = list(data_dirs)
        self.x11 = x11
        self.screen = screen
        self.extensions = list(extensions)
        self.shell = None
        self._bus = None

    # --- start and stop ---

    def start(self):
        env = self.env
        env["XDG_CONFIG_HOME"] = os.path.join(env["HOME"], ".config")
        env["XDG_DATA_HOME"] = os.path.join(env["HOME"], ".local", "share")
        env["XDG_DATA_DIRS"] = ":".join(self.data_dirs + ["/usr/local/share", "/usr/share"])
        env["XDG_SESSION_TYPE"] = "wayland"
        env["XDG_CURRENT_DESKTOP"] = "GNOME"
        env["GSETTINGS_BACKEND"] = "keyfile"
        # No sound theme or ibus to look for, no accessibility bus to wait on.
        env["GTK_A11Y"] = "none"
        env["NO_AT_BRIDGE"] = "1"
        self._start_system_bus()
        self._start_session_bus()
        self.set_setting("org.gnome.shell", "enabled-extensions", repr(self.extensions))
        self.set_setting("org.gnome.shell", "welcome-dialog-last-shown-version", "'999'")
        self.set_setting("org.gnome.desktop.interface", "enable-animations", "false")
        self.set_setting("org.gnome.desktop.session", "idle-delay", "uint32 0")
        self._start_shell()
        return self

    def set_setting(self, schema, key, value):
        result = self.run(["gsettings", "set", schema, key, value])
        if result.returncode != 0:
            raise SessionError(f"gsettings set {schema} {key} failed: {result.stderr.strip()}")

    def _start_system_bus(self):
        socket = os.path.join(self.root, "system_bus_socket")
        config = os.path.join(self.root, "system-bus.conf")
        with open(config, "w") as file:
            file.write(SYSTEM_BUS_CONFIG.format(socket=socket))
        process = self.spawn(["dbus-daemon", "--config-file", config, "--nofork", "--print-address=1"],
                             stdout=subprocess.PIPE)
        address = process.stdout.readline().decode().strip()
        process.stdout.close()
        if not address:
            raise SessionError("the private system bus did not start")
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = address

    def _start_shell(self):
        argv = ["gnome-shell", "--headless", "--wayland", "--virtual-monitor",
                f"{self.screen[0]}x{self.screen[1]}", "--unsafe-mode"]
        if not self.x11:
            argv.append("--no-x11")
        self.shell = self.spawn(argv, log_name="gnome-shell.log")
        self._bus = dbus.bus.BusConnection(self.env["DBUS_SESSION_BUS_ADDRESS"])

        def ready():
            self.check_alive()
            return self.eval("!Main.layoutManager._startingUp && Main.panel !== undefined", timeout=10)
        wait_until(ready, SHELL_START_TIMEOUT, "GNOME Shell to start", interval=0.5)
        runtime = self.env["XDG_RUNTIME_DIR"]
        sockets = [name for name in os.listdir(runtime) if name.startswith("wayland-") and not name.endswith(".lock")]
        if not sockets:
            raise SessionError("GNOME Shell made no Wayland socket")
        self.env["WAYLAND_DISPLAY"] = sockets[0]
        names = {"WAYLAND_DISPLAY": sockets[0]}
        if self.x11:
            # mutter starts XWayland and tells its own environment where, and the
            # key X clients need.
            for name in ("DISPLAY", "XAUTHORITY"):
                value = self.eval(f"imports.gi.GLib.getenv('{name}')")
                if value:
                    self.env[name] = value
                    names[name] = value
        # Programs the bus starts (the search service, and the window it starts) join
        # this session's display, as gnome-session tells the bus in a real session.
        bus = self._bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus", introspect=False)
        bus.UpdateActivationEnvironment(dbus.Dictionary(names, signature="ss"),
                                        dbus_interface="org.freedesktop.DBus")

    def check_alive(self):
        """Fails with the shell's log when it has ended: a crash is a failure, never a wait."""
        if self.shell is not None and self.shell.poll() is not None:
            raise ShellCrashed(f"GNOME Shell ended with status {self.shell.returncode}:\n{self.log()}")

    def log(self):
        with open(os.path.join(self.root, "gnome-shell.log"), errors="replace") as file:
            return file.read()

    def close(self):
        if self._bus is not None:
            self._bus.close()
            self._bus = None
        super().close()

    # --- the shell's own interfaces ---

    def eval(self, expression, timeout=30):
        """The value of a JavaScript expression inside the shell, through JSON."""
        self.check_alive()
        shell = self._bus.get_object("org.gnome.Shell", "/org/gnome/Shell", introspect=False)
        # The shell hands back the value as JSON.
        script = f"(() => {{ return ({expression}); }})()"
        ok, result = shell.Eval(script, dbus_interface="org.gnome.Shell", timeout=timeout)
        if not ok:
            raise SessionError(f"GNOME Shell could not evaluate {expression!r}: {result}")
        return json.loads(str(result)) if str(result) else None

    def run_js(self, statements, timeout=30):
        """Runs JavaScript statements inside the shell; the last `return` gives the value."""
        return self.eval(f"(() => {{ {statements} }})()", timeout=timeout)

    def screenshot(self, path):
        try:
            screenshot = self._bus.get_object("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                                              introspect=False)
            ok, _ = screenshot.Screenshot(False, False, os.path.abspath(path),
                                          dbus_interface="org.gnome.Shell.Screenshot", timeout=30)
            return bool(ok)
        except dbus.exceptions.DBusException:
            return False
