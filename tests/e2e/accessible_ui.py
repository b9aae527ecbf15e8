# SPDX-License-Identifier: MIT
"""Reads the running program through the accessibility tree (AT-SPI) and acts
on it with real X input (xdotool), as a user would: click where a control is
shown, type into the focused control."""

import os
import subprocess
import sys
import time

from desktop_session import wait_until

# pyatspi finds the accessibility bus through the session's variables, so it is
# imported only once the session exists.
pyatspi = None

DEFAULT_TIMEOUT = 15


def load_pyatspi(env):
    global pyatspi
    # Under Wayland there is no DISPLAY: the bus alone leads to the accessibility bus.
    for name in ("DISPLAY", "WAYLAND_DISPLAY"):
        if name in env:
            os.environ[name] = env[name]
        else:
            os.environ.pop(name, None)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = env["DBUS_SESSION_BUS_ADDRESS"]
    import pyatspi as module
    pyatspi = module


def _walk(node, depth=0, max_depth=40):
    if node is None or depth > max_depth:
        return
    yield node
    try:
        children = list(node)
    except Exception:
        return
    for child in children:
        yield from _walk(child, depth + 1, max_depth)


def walk(node):
    """The node and every node below it, depth first."""
    return _walk(node)


def has_state(node, state):
    return node.getState().contains(state)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def text_of(node):
    return node.queryText().getText(0, -1)


class RunningProgram:
    """One run of the program inside a desktop session."""

    def __init__(self, session, executable, config_home, extra_env=None):
        self.session = session
        env = dict(session.env)
        env.update({
            "XDG_CONFIG_HOME": config_home,
            "QT_QPA_PLATFORM": session.platform,
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        env.update(extra_env or {})
        # Qt gives AT-SPI its own logical pixels; the screen (xdotool, pictures) counts
        # device pixels, which Xft.dpi and QT_SCALE_FACTOR make larger.
        self.scale = getattr(session, "dpi", None) or 96
        self.scale = self.scale / 96 * float(env.get("QT_SCALE_FACTOR") or 1)
        log_name = f"erakon-{time.monotonic_ns()}.log"
        self.log_path = os.path.join(session.root, log_name)
        self.process = session.spawn([executable], env=env, log_name=log_name)

    # --- the accessibility tree ---

    def application(self):
        def found():
            if self.process.poll() is not None:
                raise AssertionError(f"the program ended early with status {self.process.returncode}")
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            return None
        app = wait_until(found, 30, "the program in the accessibility tree", interval=0.1)
        # Values are read live: the tree's cache follows events only when
        # somebody listens for them.
        app.clear_cache()
        return app

    def windows(self):
        """The program's top-level windows that are shown."""
        app = self.application()
        return [w for w in app if w is not None and has_state(w, pyatspi.STATE_SHOWING)]

    def main_window(self, timeout=DEFAULT_TIMEOUT):
        """The main window, found anew each time: changing stay-on-top recreates it."""
        def found():
            for window in self.windows():
                if window.getRole() == pyatspi.ROLE_FRAME and window.name == "Erakon":
                    return window
            return None
        return wait_until(found, timeout, "the main window to be shown")

    def main_window_shown(self):
        return any(w.getRole() == pyatspi.ROLE_FRAME and w.name == "Erakon" for w in self.windows())

    def find(self, role, name=None, within=None, timeout=DEFAULT_TIMEOUT, showing=False, description=None):
        """The first control of the role (and name, description) in the main window or in within."""
        def found():
            root = within if within is not None else self.main_window(timeout=timeout)
            for node in _walk(root):
                if node.getRole() != role:
                    continue
                if name is not None and node.name != name:
                    continue
                if description is not None and node.description != description:
                    continue
                if showing and not has_state(node, pyatspi.STATE_SHOWING):
                    continue
                return node
            return None
        what = " ".join(str(part) for part in (getattr(role, "value_nick", role), name, description) if part)
        return wait_until(found, timeout, what)

    def year_box(self, name):
        """The text field of a year box, named after its label ("西暦" for the Western year)."""
        return self.find(pyatspi.ROLE_TEXT, name)

    def year_text(self, name):
        return text_of(self.year_box(name))

    def wait_year_text(self, name, expected, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: self.year_text(name) == expected, timeout,
                   f"{name} to show {expected!r}")

    def check_box(self, name):
        return self.find(pyatspi.ROLE_CHECK_BOX, name)

    def is_checked(self, node):
        return has_state(node, pyatspi.STATE_CHECKED)

    def page_tab(self, caption):
        return self.find(pyatspi.ROLE_PAGE_TAB, caption)

    def current_page(self):
        # The tab list is named after its current tab.
        return self.find(pyatspi.ROLE_PAGE_TAB_LIST).name

    def open_page(self, caption):
        self.click(self.page_tab(caption))
        wait_until(lambda: self.current_page() == caption, DEFAULT_TIMEOUT, f"the page {caption!r}")

    def question_window(self, text=None):
        """The shown message box (asking text, when given), or None."""
        for window in self.windows():
            if window.getRole() not in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
                continue
            if text is None or any(node.name == text for node in _walk(window)):
                return window
        return None

    def question_shown(self):
        return self.question_window() is not None

    def wait_for_question(self, text):
        """Waits until the question is shown and active, ready for the keyboard."""
        def ready():
            window = self.question_window(text)
            return window if window is not None and has_state(window, pyatspi.STATE_ACTIVE) else None
        return wait_until(ready, DEFAULT_TIMEOUT, f"the question {text!r}")

    def scroll_into_view(self, listing, item_name):
        """Wheels the list until the item is wholly visible, and returns the item."""
        for _ in range(60):
            item = self.find(pyatspi.ROLE_LIST_ITEM, item_name, within=listing)
            lx, ly, lw, lh = extents(listing)
            x, y, w, h = extents(item)
            if w > 0 and h > 0 and y >= ly and y + h <= ly + lh:
                return item
            self.pointer_to(lx + lw // 2, ly + lh // 2)
            self.xdotool("click", "4" if y < ly else "5")   # wheel up, wheel down
            time.sleep(0.05)
        raise AssertionError(f"could not scroll {item_name!r} into view")

    # --- X windows ---

    def x_windows(self, *criteria):
        result = self.session.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), *criteria])
        return result.stdout.split()

    def main_window_id(self):
        """The X window of the main window (after waiting until it is shown)."""
        self.main_window()
        ids = wait_until(lambda: self.x_windows("--name", "^Erakon$"), DEFAULT_TIMEOUT,
                         "the main window's X window")
        return ids[0]

    def screen_boxes(self):
        """Where the program's shown windows stand on the screen, frames included, in the
        screen's pixels: (x, y, width, height) for each."""
        boxes = []
        for window_id in self.x_windows():
            # xwininfo's absolute place: xdotool's is off by the frame for a reparented window.
            info = self.session.run(["xwininfo", "-id", window_id]).stdout
            values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
            x, y, width, height = (int(values[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y",
                                                                 "Width", "Height"))
            extents = self.session.run(["xprop", "-id", window_id, "_NET_FRAME_EXTENTS"]).stdout
            left = right = top = bottom = 0
            if "=" in extents:
                left, right, top, bottom = (int(value) for value in extents.split("=")[1].split(","))
            boxes.append((x - left, y - top, width + left + right, height + top + bottom))
        return boxes

    def minimise(self):
        """Minimises the main window as its title bar's button does: the window manager does it."""
        self.xdotool("windowminimize", self.main_window_id())

    def tray_icon_window(self):
        """The program's icon in the system tray: its one shown window while the main window is hidden."""
        ids = self.x_windows()
        if self.main_window_shown() or len(ids) != 1:
            return None
        return ids[0]

    def tooltip_shown(self, text):
        """Whether a tooltip with this text is on the screen."""
        return any(w.getRole() == pyatspi.ROLE_TOOL_TIP and w.name == text for w in self.windows())

    def stays_on_top(self):
        """Whether the window manager keeps the main window above others."""
        state = self.session.run(["xprop", "-id", self.main_window_id(), "_NET_WM_STATE"]).stdout
        return "_NET_WM_STATE_ABOVE" in state

    def activate(self):
        """Makes the main window the active one, so that it takes the keys."""
        window_id = self.main_window_id()
        if self.active_window() != window_id:
            # Not "windowactivate --sync", which can wait for a change that never comes.
            self.xdotool("windowactivate", window_id)
            wait_until(lambda: self.active_window() == window_id, DEFAULT_TIMEOUT,
                       "the main window to become active")

    def active_window(self):
        return self.session.run(["xdotool", "getactivewindow"]).stdout.strip()

    def click_window(self, window_id):
        """Clicks the middle of an X window."""
        self.hover_window(window_id)
        self.xdotool("click", "1")

    def hover_window(self, window_id):
        """Brings the pointer into an X window and rests it in the middle."""
        geometry = self.xdotool("getwindowgeometry", "--shell", window_id)
        size = dict(line.split("=", 1) for line in geometry.split())
        self.xdotool("mousemove", "--window", window_id, "1", "1")
        self.xdotool("mousemove", "--window", window_id,
                     str(int(size["WIDTH"]) // 2), str(int(size["HEIGHT"]) // 2))

    # --- input ---

    def xdotool(self, *args):
        result = self.session.run(["xdotool", *args])
        if result.returncode != 0:
            raise AssertionError(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def action(self, node, *names):
        """Does the first of the named AT-SPI actions that the control offers."""
        action = node.queryAction()
        offered = [action.getName(i) for i in range(action.nActions)]
        for name in names:
            if name in offered:
                if not action.doAction(offered.index(name)):
                    raise AssertionError(f"{node.name!r} refused the action {name!r}")
                return
        raise AssertionError(f"{node.name!r} offers none of {names}, only {offered}")

    def click(self, node, clicks=1):
        x, y, w, h = extents(node)
        if w <= 0 or h <= 0:
            raise AssertionError(f"{node.name!r} is not on the screen")
        self.click_at(x + w // 2, y + h // 2, clicks)

    def pointer_to(self, x, y):
        """Moves the pointer to a point given in AT-SPI's coordinates."""
        x, y = round(x * self.scale), round(y * self.scale)
        # Not "mousemove --sync": it waits for a motion that never comes when
        # the pointer already stands there.
        self.xdotool("mousemove", str(x), str(y))
        wait_until(lambda: self.pointer() == (x, y), DEFAULT_TIMEOUT, f"the pointer to reach {x},{y}")

    def pointer(self):
        where = dict(line.split("=", 1) for line in self.xdotool("getmouselocation", "--shell").split())
        return int(where["X"]), int(where["Y"])

    def click_at(self, x, y, clicks=1, button=1):
        self.pointer_to(x, y)
        self.xdotool("click", "--repeat", str(clicks), "--delay", "80", str(button))

    def key(self, *keys):
        self.xdotool("key", "--delay", "40", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "40", "--", text)

    def focus(self, node):
        """Clicks into a control and waits until it has the keyboard focus."""
        self.click(node)
        wait_until(lambda: has_state(node, pyatspi.STATE_FOCUSED), DEFAULT_TIMEOUT,
                   f"{node.name!r} to take the focus")

    def replace_text(self, name, text):
        """Types text over the whole content of a year box."""
        box = self.year_box(name)
        self.focus(box)
        self.key("ctrl+a")
        self.type(text)

    # --- the program's end ---

    def output(self):
        """What the program wrote to standard output and standard error."""
        with open(self.log_path, errors="replace") as file:
            return file.read()

    def close_by_window_manager(self, attempts=3):
        """Closes the window the way its title bar's close box and Alt+F4 do: the window
        manager asks it to close. Under Xvfb openbox now and then lets a first Alt+F4 go
        by without a word, so the key is pressed again while the program still runs."""
        for _ in range(attempts):
            self.activate()
            self.key("alt+F4")
            try:
                return self.process.wait(5)
            except subprocess.TimeoutExpired:
                print("e2e: the program still runs after Alt+F4; pressing it again", file=sys.stderr)
        return self.wait_for_exit()

    def wait_for_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end") from None
