# SPDX-License-Identifier: MIT
"""The test's side of a StatusNotifierItem host: it finds the items that
registered with status_notifier_watcher.py, reads an item's properties and its
menu (com.canonical.dbusmenu), and acts on it as a panel does when the user
clicks the icon or chooses a menu item. Blocking D-Bus calls only: no main loop
is needed in the driver."""

import os
import sys
import time

import dbus

from desktop_session import wait_until

WATCHER_NAME = "org.kde.StatusNotifierWatcher"
WATCHER_PATH = "/StatusNotifierWatcher"
ITEM_INTERFACE = "org.kde.StatusNotifierItem"
MENU_INTERFACE = "com.canonical.dbusmenu"
PROPERTIES = "org.freedesktop.DBus.Properties"
WATCHER_SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "status_notifier_watcher.py")


def start_watcher(session):
    """Starts the watcher and host in the session; returns its process once it owns its names."""
    log = os.path.join(session.root, "status-notifier-watcher.log")
    process = session.spawn([sys.executable, WATCHER_SCRIPT], log_name=os.path.basename(log))

    def ready():
        if process.poll() is not None:
            raise AssertionError(f"the StatusNotifierWatcher ended with status {process.returncode}")
        with open(log, errors="replace") as file:
            return "ready\n" in file.read()
    wait_until(ready, 20, "the StatusNotifierWatcher")
    return process


class MenuItem:
    def __init__(self, item_id, properties, children):
        self.id = int(item_id)
        self.properties = {str(k): v for k, v in properties.items()}
        self.children = children

    @property
    def label(self):
        return str(self.properties.get("label", ""))

    @property
    def enabled(self):
        return bool(self.properties.get("enabled", True))

    @property
    def visible(self):
        return bool(self.properties.get("visible", True))

    @property
    def separator(self):
        return str(self.properties.get("type", "standard")) == "separator"

    def __repr__(self):
        return f"MenuItem({self.id}, {self.label!r}, enabled={self.enabled}, visible={self.visible})"


class StatusNotifierItem:
    """One registered item, "service/path" as the watcher lists it."""

    def __init__(self, bus, address):
        self.bus = bus
        self.address = address
        self.service, _, path = address.partition("/")
        self.path = "/" + path
        self._object = bus.get_object(self.service, self.path, introspect=False)

    def property(self, name):
        return self._object.Get(ITEM_INTERFACE, name, dbus_interface=PROPERTIES)

    def properties(self):
        return {str(k): v for k, v in self._object.GetAll(ITEM_INTERFACE, dbus_interface=PROPERTIES).items()}

    def icon_pixmaps(self):
        """The icon's pictures as (width, height) pairs, largest last."""
        return sorted((int(w), int(h)) for w, h, _ in self.property("IconPixmap"))

    def tooltip_title(self):
        # ToolTip is (icon name, icon pixmaps, title, text).
        return str(self.property("ToolTip")[2])

    def activate(self, x=0, y=0):
        """A left click on the icon."""
        self._object.Activate(dbus.Int32(x), dbus.Int32(y), dbus_interface=ITEM_INTERFACE)

    # --- the menu ---

    def _menu(self):
        return self.bus.get_object(self.service, str(self.property("Menu")), introspect=False)

    def menu_items(self):
        """The menu's top-level items, after telling the item that its menu is about to be shown."""
        menu = self._menu()
        try:
            menu.AboutToShow(dbus.Int32(0), dbus_interface=MENU_INTERFACE)
        except dbus.exceptions.DBusException:
            pass   # optional in the protocol
        _revision, layout = menu.GetLayout(dbus.Int32(0), dbus.Int32(-1), dbus.Array([], signature="s"),
                                           dbus_interface=MENU_INTERFACE)
        _root_id, _root_properties, children = layout
        return [MenuItem(child_id, properties, grandchildren)
                for child_id, properties, grandchildren in children]

    def click_menu_item(self, item):
        """Chooses a menu item as a panel does: the item's "clicked" event."""
        self._menu().Event(dbus.Int32(item.id), "clicked", dbus.Int32(0, variant_level=1),
                           dbus.UInt32(int(time.time()) & 0xFFFFFFFF), dbus_interface=MENU_INTERFACE)


class StatusNotifierHost:
    """The test's view of the session's watcher."""

    def __init__(self, env):
        self.bus = dbus.bus.BusConnection(env["DBUS_SESSION_BUS_ADDRESS"])

    def items(self):
        watcher = self.bus.get_object(WATCHER_NAME, WATCHER_PATH, introspect=False)
        return [str(item) for item in watcher.Get(WATCHER_NAME, "RegisteredStatusNotifierItems",
                                                  dbus_interface=PROPERTIES)]

    def item_of_process(self, pid):
        """The item registered by the process, or None."""
        dbus_object = self.bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus", introspect=False)
        for address in self.items():
            service = address.partition("/")[0]
            try:
                owner_pid = dbus_object.GetConnectionUnixProcessID(service, dbus_interface="org.freedesktop.DBus")
            except dbus.exceptions.DBusException:
                continue   # gone meanwhile
            if int(owner_pid) == pid:
                return StatusNotifierItem(self.bus, address)
        return None

    def wait_for_item(self, pid, timeout=15):
        return wait_until(lambda: self.item_of_process(pid), timeout, "the program's StatusNotifierItem")

    def wait_for_no_item(self, pid, timeout=15):
        wait_until(lambda: self.item_of_process(pid) is None, timeout, "the StatusNotifierItem to go")

    def close(self):
        self.bus.close()
