# SPDX-License-Identifier: MIT
"""The running program under Wayland, driven without xdotool: text goes in
through AT-SPI's EditableText, buttons, tabs and check boxes are pressed
through their AT-SPI Action, and keys and clicks go through weston's test seat
(weston_input.py) as real Wayland input. What the window shows is read through
the accessibility tree as under X11.

A Wayland client does not know where its window stands, so AT-SPI's "desktop"
coordinates are the window's own; the compositor's scene graph tells where
weston put it, and that turns one into the other."""

import time

from accessible_ui import DEFAULT_TIMEOUT, RunningProgram, extents, has_state
from desktop_session import wait_until
from weston_input import BTN_RIGHT, WestonInput
import accessible_ui

# Where the buttons of Qt's own window decoration (the "bradient" plugin, which
# Qt draws on compositors without server-side decorations, such as weston and
# GNOME's mutter) stand, from the outer frame's top-right corner.
DECORATION_BUTTON_X = {"close": 17, "maximise": 40, "minimise": 64}
DECORATION_BUTTON_Y = 14


def _pyatspi():
    return accessible_ui.pyatspi


class WaylandProgram(RunningProgram):
    def __init__(self, session, executable, config_home, extra_env=None):
        super().__init__(session, executable, config_home, extra_env)
        self.input = WestonInput(session.input_socket) if session.input_socket else None

    def _input(self):
        if self.input is None:
            raise AssertionError("no test seat in weston: keys and clicks cannot be sent")
        return self.input

    # --- where things are ---

    def main_view(self):
        """weston's view of the main window: its frame with Qt's decoration."""
        x, y, width, height = extents(self.main_window())

        def found():
            for view in self.session.toplevels(self.process.pid):
                if view.width >= width and view.height >= height and "'Erakon'" in view.what:
                    return view
            return None
        return wait_until(found, DEFAULT_TIMEOUT, "weston's view of the main window")

    def content_origin(self):
        """Where the main window's content (AT-SPI's 0,0) stands on weston's output."""
        _, _, width, height = extents(self.main_window())
        view = self.main_view()
        if view.opaque and view.opaque[2] - view.opaque[0] == width and view.opaque[3] - view.opaque[1] == height:
            return view.opaque[0], view.opaque[1]
        # The decoration is as wide on the left, right and bottom; the rest is the title bar.
        side = (view.width - width) // 2
        return view.x + side, view.bottom - side - height

    def screen_boxes(self):
        """Where weston shows the program's windows (Qt's decorations included), in the
        output's pixels: (x, y, width, height) for each."""
        scale = self.session.scale
        return [(v.x * scale, v.y * scale, v.width * scale, v.height * scale)
                for v in self.session.views() if v.pid == self.process.pid and v.role.startswith("xdg_")]

    def decoration_button(self, which):
        view = self.main_view()
        return view.right - DECORATION_BUTTON_X[which], view.y + DECORATION_BUTTON_Y

    # --- the window ---

    def activate(self):
        """Waits until the main window has the keyboard; clicks its title bar if it has not."""
        def active():
            return has_state(self.main_window(), _pyatspi().STATE_ACTIVE)
        if active():
            return
        view = self.main_view()
        self._input().click(view.x + view.width // 2, view.y + DECORATION_BUTTON_Y)
        wait_until(active, DEFAULT_TIMEOUT, "the main window to become active")

    def minimise(self):
        """The minimise button of the window's decoration, as a GNOME user minimises."""
        self._input().click(*self.decoration_button("minimise"))

    def close_by_window_manager(self, attempts=1):
        """The close button of the window's decoration: Qt draws it, and asks the window
        to close as a compositor's close does."""
        self._input().click(*self.decoration_button("close"))
        return self.wait_for_exit()

    # --- input ---

    def click(self, node, clicks=1):
        """Presses a button, tab or check box through its AT-SPI action."""
        if clicks != 1:
            x, y, w, h = extents(node)
            self.click_at(x + w // 2, y + h // 2, clicks)
            return
        self.action(node, "Press", "Toggle", "Click")

    def click_at(self, x, y, clicks=1, button=None):
        """Clicks at a point given in AT-SPI's coordinates of the main window; button 3 is
        the right one."""
        origin_x, origin_y = self.content_origin()
        if button == 3:
            self._input().click(origin_x + x, origin_y + y, clicks, button=BTN_RIGHT)
        else:
            self._input().click(origin_x + x, origin_y + y, clicks)

    def choose_last_item_of_window_menu(self):
        """Opens the window's menu with a right click on the tab bar (no text box there) and
        chooses its last item with Up and Enter: Qt's popup menus under Wayland are not in
        the accessibility tree, so the keys the menu takes are the way in."""
        tab = self.page_tab("変換")
        x, y, w, h = extents(tab)
        self.click_at(x + w // 2, y + h // 2, button=3)
        time.sleep(0.5)   # the popup has no accessible object to wait for
        self.key("Up")
        self.key("Return")

    def pointer_to(self, x, y):
        origin_x, origin_y = self.content_origin()
        self._input().move(origin_x + x, origin_y + y)

    def key(self, *keys):
        self._input().key(*keys)

    def type(self, text):
        self._input().type(text)

    def focus(self, node):
        self.action(node, "SetFocus")
        wait_until(lambda: has_state(node, _pyatspi().STATE_FOCUSED), DEFAULT_TIMEOUT,
                   f"{node.name!r} to take the focus")

    def replace_text(self, name, text):
        """Puts text in place of a year box's content through EditableText, as a screen
        reader or an input method does, with the box focused as when the user types."""
        box = self.year_box(name)
        self.focus(box)
        if not box.queryEditableText().setTextContents(text):
            raise AssertionError(f"{name!r} refused the text {text!r}")

    def scroll_into_view(self, listing, item_name):
        for _ in range(60):
            item = self.find(_pyatspi().ROLE_LIST_ITEM, item_name, within=listing)
            lx, ly, lw, lh = extents(listing)
            x, y, w, h = extents(item)
            if w > 0 and h > 0 and y >= ly and y + h <= ly + lh:
                return item
            self.pointer_to(lx + lw // 2, ly + lh // 2)
            self._input().wheel(-1 if y < ly else 1)
            time.sleep(0.05)
        raise AssertionError(f"could not scroll {item_name!r} into view")

    def wait_for_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return super().wait_for_exit(timeout)
        finally:
            if self.process.poll() is not None and self.input is not None:
                self.input.close()
                self.input = None
