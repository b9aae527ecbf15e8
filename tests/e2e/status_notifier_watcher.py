#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""A StatusNotifierWatcher with a host, as a panel that shows tray icons over
D-Bus runs one (KDE Plasma, Ubuntu's AppIndicator extension, most Wayland
panels). It serves org.kde.StatusNotifierWatcher on the session bus, says that a
host is registered, and keeps the list of items that register, dropping an item
whose owner leaves the bus. The test driver reads that list from the watcher's
RegisteredStatusNotifierItems property and talks to the items itself.

    status_notifier_watcher.py      (DBUS_SESSION_BUS_ADDRESS names the bus)

It prints "ready" once it owns its names, and one line for each item that
registers or goes."""

import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER_NAME = "org.kde.StatusNotifierWatcher"
WATCHER_PATH = "/StatusNotifierWatcher"
ITEM_DEFAULT_PATH = "/StatusNotifierItem"
PROPERTIES = "org.freedesktop.DBus.Properties"
INTROSPECTABLE = "org.freedesktop.DBus.Introspectable"
INTROSPECTION = f"""<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="{INTROSPECTABLE}">
    <method name="Introspect"><arg name="xml" type="s" direction="out"/></method>
  </interface>
  <interface name="{PROPERTIES}">
    <method name="Get">
      <arg name="interface" type="s" direction="in"/><arg name="name" type="s" direction="in"/>
      <arg name="value" type="v" direction="out"/>
    </method>
    <method name="GetAll">
      <arg name="interface" type="s" direction="in"/><arg name="values" type="a{{sv}}" direction="out"/>
    </method>
  </interface>
  <interface name="{WATCHER_NAME}">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
  </interface>
</node>
"""


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, WATCHER_PATH)
        self.bus = bus
        self.items = []   # "service/path", in the order of registering
        self.hosts = []
        bus.add_signal_receiver(self._owner_changed, "NameOwnerChanged", "org.freedesktop.DBus")

    @dbus.service.method(WATCHER_NAME, in_signature="s", out_signature="", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item names either its bus name (at the usual path) or a path on the caller's connection.
        if service.startswith("/"):
            item = f"{sender}{service}"
        else:
            item = f"{service}{ITEM_DEFAULT_PATH}"
        if item not in self.items:
            self.items.append(item)
            print(f"registered {item} (from {sender})", flush=True)
            self.StatusNotifierItemRegistered(item)

    @dbus.service.method(WATCHER_NAME, in_signature="s", out_signature="", sender_keyword="sender")
    def RegisterStatusNotifierHost(self, service, sender=None):
        if service not in self.hosts:
            self.hosts.append(service)
            self.StatusNotifierHostRegistered()

    @dbus.service.signal(WATCHER_NAME, signature="s")
    def StatusNotifierItemRegistered(self, item):
        pass

    @dbus.service.signal(WATCHER_NAME, signature="s")
    def StatusNotifierItemUnregistered(self, item):
        pass

    @dbus.service.signal(WATCHER_NAME, signature="")
    def StatusNotifierHostRegistered(self):
        pass

    def _properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            # This process is the host as well: it shows the items to the tests.
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        properties = self._properties()
        if interface != WATCHER_NAME or name not in properties:
            raise dbus.exceptions.DBusException(f"no property {interface}.{name}",
                                                name="org.freedesktop.DBus.Error.UnknownProperty")
        return properties[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self._properties() if interface == WATCHER_NAME else {}

    @dbus.service.method(INTROSPECTABLE, in_signature="", out_signature="s")
    def Introspect(self):
        # Written out: Qt reads the properties through an interface it builds from
        # this description, and python-dbus leaves properties out of its own.
        return INTROSPECTION

    def _owner_changed(self, name, old_owner, new_owner):
        if new_owner:
            return
        for item in list(self.items):
            if item.startswith(name + "/") or (old_owner and item.startswith(old_owner + "/")):
                self.items.remove(item)
                print(f"unregistered {item}", flush=True)
                self.StatusNotifierItemUnregistered(item)


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(os.environ["DBUS_SESSION_BUS_ADDRESS"])
    watcher = Watcher(bus)
    host_name = f"org.kde.StatusNotifierHost-{os.getpid()}"
    names = [dbus.service.BusName(host_name, bus, do_not_queue=True),
             dbus.service.BusName(WATCHER_NAME, bus, do_not_queue=True)]
    watcher.RegisterStatusNotifierHost(host_name, sender=bus.get_unique_name())
    print("ready", flush=True)
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, 15, loop.quit)   # SIGTERM
    loop.run()
    del names


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    main()
