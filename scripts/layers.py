# SPDX-License-Identifier: MIT
"""The program's layers: which folder may use which. One table for the include
check (scripts/check_includes) and the library graph (scripts/dependency_graph).

Each source folder is one library, erakon_<folder>. The arrows run one way:
window -> desktop, widgets, styles, settings -> core; desktop may also use
settings and widgets; cli -> core; search -> settings, core. Nothing uses
window, cli or search.
"""

# The project folders each folder may include from, itself included.
ALLOWED_FOLDERS = {
    "core": {"core"},
    "settings": {"settings", "core"},
    "styles": {"styles", "core"},
    "widgets": {"widgets", "core"},
    "desktop": {"desktop", "settings", "widgets", "core"},
    "window": {"window", "desktop", "widgets", "styles", "settings", "core"},
    "cli": {"cli", "core"},
    "search": {"search", "settings", "core"},
}

# The Qt modules each folder may include from. core and cli use no Qt at all.
ALLOWED_QT_MODULES = {
    "core": set(),
    "settings": {"QtCore"},
    "styles": {"QtCore", "QtGui", "QtWidgets"},
    "widgets": {"QtCore", "QtGui", "QtWidgets"},
    "desktop": {"QtCore", "QtGui", "QtWidgets", "QtDBus"},
    "window": {"QtCore", "QtGui", "QtWidgets"},
    "cli": set(),
    # The desktop's search service: no widgets, no GUI.
    "search": {"QtCore", "QtDBus"},
}

# Folders held to the C++ standard library and, beyond it, only these headers
# of the C library and the system: the core's Shift_JIS decoding goes through
# iconv; the command line reads its environment and the settings file itself.
# Other folders are not limited here.
ALLOWED_SYSTEM_HEADERS = {
    "core": {"iconv.h"},
    "cli": {"fcntl.h", "pwd.h", "sys/stat.h", "unistd.h"},
}

FOLDERS = list(ALLOWED_FOLDERS)


def library_of(folder):
    return "erakon_" + folder


def folder_of(library):
    """The source folder a library is built from, or None for other targets."""
    name = library.removeprefix("erakon_")
    return name if name != library and name in ALLOWED_FOLDERS else None
