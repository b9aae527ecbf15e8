#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The installed program inside the real desktops, headless.

    real_desktops.py --build BUILD [--shots DIR] [--artifacts DIR] gnome-shell|krunner

gnome-shell: GNOME Shell with the AppIndicator extension (gnome_shell_session.py)
and the program installed under a private prefix outside /usr, as a user's
`cmake --install --prefix` puts it. The overview's search gives erakon-cli's summary
and sentence for a table of queries and "No results." for texts that are no year;
choosing a result starts the window at its year through XWayland, the default under
GNOME, and copies the line; minimised, the window goes into the extension's tray
indicator (title and menu checked), whose first menu item brings it back. The native
Wayland window, asked for with QT_QPA_PLATFORM, hides through トレイに隠す and comes
back when the extension is switched off.

krunner: KRunner on a private X display and bus, with the same installed runner:
its matches for a table of queries, as KRunner's own query shows them at its default
width (a picture), and Run, which starts the window at the year."""

import argparse
import json
import os
import signal
import subprocess
import sys
import time
import traceback

sys.dont_write_bytecode = True   # keep the source tree clean

from desktop_session import DesktopSession, check, check_equal, keep_evidence, wait_until
import gnome_shell_session
from gnome_shell_session import GnomeShellSession

# A whole desktop's run never takes longer, on a machine shared with builds.
TIME_LIMIT = 240

# Queries typed into the desktop's search field, each giving a conversion.
QUERIES = ["令和5", "1989", "S64", "昭和64年1月7日", "H35", "r12", "１９８９", "創業144"]
# Texts that are no year, era year or date.
NOT_QUERIES = ["weather", "こんにちは", "平成", "2023-02-30"]
# The settings file the window would leave: the user era shown (創業, 1880) and
# minimising to the tray.
SETTINGS = "[OPTION]\nAddItem=1\nAddName=創業\nAddYear=1880\nMinimize=1\n"

XK_UP, XK_RETURN = 0xFF52, 0xFF0D


class Installed:
    """The build installed under a prefix of the session's own."""

    def __init__(self, build, root):
        self.prefix = os.path.join(root, "prefix")
        result = subprocess.run(["cmake", "--install", build, "--prefix", self.prefix],
                                capture_output=True, text=True, timeout=120, env={**os.environ, "DESTDIR": ""})
        if result.returncode != 0:
            raise AssertionError(f"cmake --install failed:\n{result.stdout}{result.stderr}")
        self.erakon = os.path.join(self.prefix, "bin", "erakon")
        self.cli = os.path.join(self.prefix, "bin", "erakon-cli")
        self.data = os.path.join(self.prefix, "share")

    def expected(self, env, query):
        """erakon-cli's answer for a query, with the same settings file."""
        result = subprocess.run([self.cli, "--json", query], capture_output=True, text=True, timeout=30, env=env)
        answer = json.loads(result.stdout)
        description = answer["sentence"]
        if answer["note"]:
            description = f"※{answer['note']}\u3000{description}"
        return answer, description

    def processes(self):
        """The installed programs running now (the window, the search service), by pid and command line."""
        found = {}
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                exe = os.readlink(f"/proc/{pid}/exe")
                with open(f"/proc/{pid}/cmdline", "rb") as file:
                    arguments = [a.decode(errors="replace") for a in file.read().split(b"\0") if a]
            except OSError:
                continue
            if exe.startswith(self.prefix + os.sep):
                found[int(pid)] = arguments
        return found

    def stop_all(self):
        """Ends what the bus and the service started outside the session's process groups."""
        for pid in self.processes():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


def write_settings(env):
    folder = os.path.join(env["XDG_CONFIG_HOME"], "Harunagi", "erakon")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "erakon.ini"), "w") as file:
        file.write(SETTINGS)


# --- GNOME Shell ---

# The overview's search and its results, inside the shell.
SEARCH = "Main.overview._overview._controls._searchController._searchResults"
ERAKON_PROVIDER = f"{SEARCH}._providers.find(p => p.id === 'jp.harunagi.Erakon.desktop')"
INDICATOR = ("Main.panel.statusArea[Object.keys(Main.panel.statusArea)"
             ".find(k => k.startsWith('appindicator-'))]")
INPUT_DEVICES = """
const Clutter = imports.gi.Clutter; const GLib = imports.gi.GLib;
if (!global._erakonKeyboard) {
    const seat = Clutter.get_default_backend().get_default_seat();
    global._erakonPointer = seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
    global._erakonKeyboard = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
}
return true;
"""


class Shell:
    def __init__(self, session, installed, shots):
        self.session = session
        self.installed = installed
        self.shots = shots

    def shoot(self, name):
        if not self.shots:
            return
        os.makedirs(self.shots, exist_ok=True)
        # The banner that greets a root session would cover the panel.
        self.session.run_js("Main.messageTray._bannerBin.hide(); return true;")
        path = os.path.join(self.shots, f"gnome-shell-{name}.png")
        check(self.session.screenshot(path), f"no screenshot {path}")
        print(f"gnome-shell: picture {path}")

    def search(self, text):
        self.session.run_js(f"Main.overview.show(); Main.overview.searchEntry.set_text({json.dumps(text)}); "
                            "return true;")

    def result(self, query):
        """The Erakon result shown for the query: its name and description, or None."""
        return self.session.eval(
            f"(() => {{ const p = {ERAKON_PROVIDER}; if (!p) return 'no provider';"
            f" const r = p.display._resultDisplays[{json.dumps(query)}];"
            " return r && r.mapped ? {name: r.metaInfo.name, description: r.metaInfo.description} : null; })()")

    def no_results_shown(self):
        return self.session.eval(f"{SEARCH}._statusBin.visible && {SEARCH}._statusText.text")

    def windows(self):
        return self.session.eval(
            "global.get_window_actors().map(a => a.meta_window)"
            ".filter(w => w.get_title() === 'Erakon')"
            ".map(w => ({pid: w.get_pid(), x11: w.get_client_type() === 1, minimized: w.minimized,"
            " shown: w.showing_on_its_workspace()}))")

    def shown_window(self, pid=None):
        return next((w for w in self.windows() if w["shown"] and (pid is None or w["pid"] == pid)), None)

    def indicator(self):
        return self.session.eval(
            f"(() => {{ const b = {INDICATOR}; if (!b) return null;"
            " return {title: b._indicator.title, name: b.accessible_name,"
            " menu: b.menu._getMenuItems().map(m => m.label ? m.label.text : '')}; })()")

    def choose_indicator_item(self, index):
        """What a click on the item does: the extension's menu item activated by a button release."""
        self.session.run_js(f"const C = imports.gi.Clutter; const b = {INDICATOR}; b.menu.open();"
                            f" b.menu._getMenuItems()[{index}].activate(C.Event.new(C.EventType.BUTTON_RELEASE));"
                            " return true;")

    def leave_overview(self):
        self.session.run_js("Main.overview.hide(); return true;")
        wait_until(lambda: self.session.eval("!Main.overview.visible && !Main.overview.animationInProgress"),
                   30, "the overview to close")

    def popup_shown(self, pid):
        return self.session.eval(
            "global.get_window_actors().map(a => a.meta_window).some(w => w.get_pid() === " + str(pid)
            + " && w.get_window_type() !== imports.gi.Meta.WindowType.NORMAL)")

    def open_window_menu(self, pid):
        """A right click inside the window opens its menu; clicked again while none shows."""
        last_click = [0.0]

        def shown():
            if self.popup_shown(pid):
                return True
            if time.monotonic() - last_click[0] > 3:
                self.leave_overview()
                self.right_click_window(pid)
                last_click[0] = time.monotonic()
            return False
        wait_until(shown, 30, "the window's menu", interval=0.2)

    def right_click_window(self, pid):
        self.session.run_js(
            "const w = global.get_window_actors().map(a => a.meta_window).find(w => w.get_pid() === " + str(pid) + ");"
            " const r = w.get_frame_rect(); const p = global._erakonPointer; const GLib = imports.gi.GLib;"
            " const C = imports.gi.Clutter;"
            " p.notify_absolute_motion(GLib.get_monotonic_time(), r.x + r.width / 2, r.y + r.height * 0.6);"
            " p.notify_button(GLib.get_monotonic_time(), 3, C.ButtonState.PRESSED);"
            " p.notify_button(GLib.get_monotonic_time(), 3, C.ButtonState.RELEASED); return true;")

    def key(self, keyval):
        self.session.run_js("const GLib = imports.gi.GLib; const C = imports.gi.Clutter; const k = global._erakonKeyboard;"
                            f" k.notify_keyval(GLib.get_monotonic_time(), {keyval}, C.KeyState.PRESSED);"
                            f" k.notify_keyval(GLib.get_monotonic_time(), {keyval}, C.KeyState.RELEASED); return true;")

    def clipboard(self):
        self.session.run_js("global._erakonClipboard = undefined; const St = imports.gi.St;"
                            " St.Clipboard.get_default().get_text(St.ClipboardType.CLIPBOARD,"
                            " (c, text) => { global._erakonClipboard = text; }); return true;")
        return wait_until(lambda: self.session.eval("global._erakonClipboard === undefined ? null"
                                                    " : [global._erakonClipboard]"), 15, "the clipboard")[0]


def gnome_shell(options):
    session = GnomeShellSession(x11=True)
    installed = None
    try:
        installed = Installed(options.build, session.root)
        session.data_dirs = [installed.data]
        session.start()
        write_settings(session.env)
        shell = Shell(session, installed, options.shots)
        # Made early: the shell adds a new device a moment later.
        session.run_js(INPUT_DEVICES)
        print(f"gnome-shell: started, {session.env.get('WAYLAND_DISPLAY')} and XWayland {session.env.get('DISPLAY')}")

        # The search: erakon-cli's words under Erakon's icon. The installed desktop entry
        # names the program by its path; with the bare name outside PATH the shell would
        # ignore the provider and show nothing here.
        for query in QUERIES:
            answer, description = installed.expected(session.env, query)
            shell.search(query)
            shown = wait_until(lambda: shell.result(query), 30, f"Erakon's result for {query}")
            check_equal(shown, {"name": answer["summary"], "description": description}, f"the result for {query}")
            print(f"gnome-shell: {query} → {shown['name']} / {shown['description']}")
        for query in NOT_QUERIES:
            shell.search(query)
            wait_until(lambda: shell.no_results_shown() == "No results.", 30, f"'No results.' for {query}")
            check_equal(shell.result(query), None, f"Erakon's result for {query}")
        print(f"gnome-shell: no result for {NOT_QUERIES}")

        # Choosing a result starts the window at its year, through XWayland, and copies the line.
        query = "1989"
        shell.search(query)
        wait_until(lambda: shell.result(query), 30, "the result for 1989")
        shell.shoot("search")
        session.run_js(f"{ERAKON_PROVIDER}.display._resultDisplays['{query}'].activate(); return true;")
        started = wait_until(lambda: next((pid for pid, argv in installed.processes().items()
                                           if argv[1:] == ["--year", "1989"]), None), 60, "erakon --year 1989")
        window = wait_until(lambda: shell.shown_window(started), 60, "the window")
        check(window["x11"], f"the window is not an XWayland window under GNOME: {window}")
        check_equal(shell.clipboard(), installed.expected(session.env, query)[0]["summary"], "the clipboard")
        shell.leave_overview()
        shell.shoot("window")

        # Minimised, it goes into the extension's indicator; the menu's first item restores.
        session.run_js("global.get_window_actors().map(a => a.meta_window)"
                       f".find(w => w.get_pid() === {started}).minimize(); return true;")
        # The menu's layout comes a moment after the indicator.
        indicator = wait_until(lambda: (lambda i: i if i and i["menu"] else None)(shell.indicator()), 30,
                               "the tray indicator with its menu")
        check_equal(indicator, {"title": "Erakon", "name": "Erakon", "menu": ["元の大きさに戻す", "終了"]},
                    "the tray indicator")
        check(shell.shown_window(started) is None, "the window is still shown in the tray")
        session.run_js(f"{INDICATOR}.menu.open(); return true;")
        shell.shoot("tray-menu")
        shell.choose_indicator_item(0)
        wait_until(lambda: shell.shown_window(started), 30, "the window back from the tray")
        wait_until(lambda: shell.indicator() is None, 30, "the indicator to go")
        print("gnome-shell: the indicator's first item restores the window")
        os.kill(started, signal.SIGTERM)
        wait_until(lambda: started not in installed.processes(), 30, "the window to close")

        # The native Wayland window, asked for by the user: トレイに隠す, and back when the
        # extension, and with it the tray, goes away.
        env = {**session.env, "QT_QPA_PLATFORM": "wayland"}
        native = session.spawn([installed.erakon], env=env, log_name="erakon-wayland.log")
        window = wait_until(lambda: shell.shown_window(native.pid), 60, "the native window")
        check(not window["x11"], f"QT_QPA_PLATFORM=wayland gave an X11 window: {window}")
        shell.open_window_menu(native.pid)
        shell.key(XK_UP)   # the menu's last item: トレイに隠す
        shell.key(XK_RETURN)
        wait_until(lambda: shell.shown_window(native.pid) is None, 30, "the window to go into the tray")
        wait_until(shell.indicator, 30, "the tray indicator")
        session.run_js(f"Main.extensionManager.disableExtension('{gnome_shell_session.APPINDICATOR_EXTENSION}');"
                       " return true;")
        wait_until(lambda: shell.shown_window(native.pid), 60, "the window back without the tray")
        print("gnome-shell: トレイに隠す, and the window is back once the extension is off")
        session.check_alive()
    except BaseException:
        keep_evidence(session, "gnome-shell", options.artifacts, log_tail=6000)
        raise
    finally:
        if installed:
            installed.stop_all()
        session.close()


# --- KRunner ---

def krunner(options):
    session = DesktopSession(tray=None)
    installed = None
    try:
        installed = Installed(options.build, session.root)
        session.env["XDG_DATA_DIRS"] = f"{installed.data}:/usr/local/share:/usr/share"
        session.env["XDG_CONFIG_HOME"] = os.path.join(session.env["HOME"], ".config")
        session.env["QT_QPA_PLATFORM"] = "xcb"
        session.start()
        write_settings(session.env)
        session.spawn(["krunner"], log_name="krunner.log")
        wait_until(lambda: session.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.krunner",
                                        "/App", "org.freedesktop.DBus.Peer.Ping"]).returncode == 0,
                   60, "KRunner")
        # KRunner's calls to the runner, as the bus carries them.
        monitor = session.spawn(["dbus-monitor", "--session",
                                 "type='method_call',interface='org.kde.krunner1'"], log_name="dbus-monitor.log")
        import dbus
        bus = dbus.bus.BusConnection(session.env["DBUS_SESSION_BUS_ADDRESS"])
        runner = bus.get_object("jp.harunagi.Erakon.SearchProvider", "/jp/harunagi/Erakon/Runner", introspect=False)
        for query in QUERIES:
            matches = runner.Match(query, dbus_interface="org.kde.krunner1")
            check_equal(len(matches), 1, f"matches for {query}")
            text, subtext = str(matches[0][1]), str(matches[0][5].get("subtext", ""))
            answer, _ = installed.expected(session.env, query)
            check(str(answer["westernYear"]) in text, f"the match for {query} lacks the year: {text}")
            print(f"krunner: {query} → {text} / {subtext}")
        for query in NOT_QUERIES:
            check_equal(len(runner.Match(query, dbus_interface="org.kde.krunner1")), 0, f"matches for {query}")

        # KRunner itself: its window at its default width shows the match, asked by its own query.
        app = bus.get_object("org.kde.krunner", "/App", introspect=False)
        app.query("昭和64年1月8日", dbus_interface="org.kde.krunner.App")
        log = os.path.join(session.root, "dbus-monitor.log")
        wait_until(lambda: "昭和64年1月8日" in open(log, errors="replace").read(), 30, "KRunner's Match call")
        # The window grows below its search field once it lists the match.
        wait_until(lambda: krunner_height(session) > 60, 30, "KRunner to list the match")
        time.sleep(0.5)
        if options.shots:
            os.makedirs(options.shots, exist_ok=True)
            path = os.path.join(options.shots, "krunner-default-width.png")
            check(session.screenshot(path), "no screenshot")
            print(f"krunner: picture {path}")
        # Enter on KRunner's match: KRunner calls Run, and the window starts at the year.
        app.query("1989", dbus_interface="org.kde.krunner.App")
        wait_until(lambda: 'string "1989"' in open(log, errors="replace").read(), 30, "KRunner's Match call for 1989")
        time.sleep(1)   # the match is in the list once the answer has arrived
        window = wait_until(lambda: session.run(["xdotool", "search", "--onlyvisible", "--class", "krunner"])
                            .stdout.split(), 30, "KRunner's window")
        session.run(["xdotool", "windowactivate", "--sync", window[0]])
        session.run(["xdotool", "key", "Return"])
        wait_until(lambda: any(argv[1:] == ["--year", "1989"] for argv in installed.processes().values()),
                   60, "erakon --year 1989")
        check('member=Run' in open(log, errors="replace").read(), "KRunner made no Run call")
        print("krunner: Enter on the match runs it: erakon --year 1989")
        bus.close()
        session.stop(monitor)
    except BaseException:
        keep_evidence(session, "krunner", options.artifacts, log_tail=6000)
        raise
    finally:
        if installed:
            installed.stop_all()
        session.close()


def krunner_height(session):
    windows = session.run(["xdotool", "search", "--onlyvisible", "--class", "krunner"]).stdout.split()
    heights = []
    for window in windows:
        geometry = session.run(["xdotool", "getwindowgeometry", "--shell", window]).stdout
        heights += [int(line.split("=")[1]) for line in geometry.splitlines() if line.startswith("HEIGHT=")]
    return max(heights, default=0)


def _time_limit(signum, frame):
    raise TimeoutError(f"the run took longer than {TIME_LIMIT} s")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="the build folder to install")
    parser.add_argument("--shots", help="folder for the pictures to look at")
    parser.add_argument("--artifacts", help="folder for the picture and logs of a failed run")
    parser.add_argument("desktop", choices=["gnome-shell", "krunner"])
    options = parser.parse_args()
    missing = gnome_shell_session.missing_tools() if options.desktop == "gnome-shell" else \
        [p for p in ["krunner", "Xvfb", "openbox", "dbus-monitor"] if not __import__("shutil").which(p)]
    if missing:
        print(f"{options.desktop} needs: {', '.join(missing)}. scripts/setup installs them.", file=sys.stderr)
        return 1
    signal.signal(signal.SIGALRM, _time_limit)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped by SIGTERM"))
    signal.alarm(TIME_LIMIT)
    started = time.monotonic()
    try:
        (gnome_shell if options.desktop == "gnome-shell" else krunner)(options)
        print(f"PASS {options.desktop} ({time.monotonic() - started:.1f} s)")
        return 0
    except Exception:
        print(f"FAIL {options.desktop}")
        traceback.print_exc()
        return 1
    finally:
        signal.alarm(0)


if __name__ == "__main__":
    sys.exit(main())
