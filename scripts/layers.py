# SPDX-License-Identifier: MIT
"""The program's layers: which folder may use which. One table for the include
check (scripts/check_includes) and the library graph (scripts/dependency_graph).

Each source folder is one library, erakon_<folder>. The arrows run one way:
window -> desktop, widgets, styles, settings -> system -> core; desktop may
also use settings and widgets; cli -> system, core; search -> settings,
system, core. Nothing uses window, cli or search.
"""

# The project folders each folder may include from, itself included.
ALLOWED_FOLDERS = {
    "core": {"core"},
    # The system's folders and files for all three programs, without Qt.
    "system": {"system", "core"},
    "settings": {"settings", "system", "core"},
    "styles": {"styles", "core"},
    "widgets": {"widgets", "core"},
    "desktop": {"desktop", "settings", "widgets", "core"},
    "window": {"window", "desktop", "widgets", "styles", "settings", "core"},
    "cli": {"cli", "system", "core"},
    "search": {"search", "settings", "system", "core"},
}

# The Qt modules each folder may include from. core, system and cli use no Qt at all.
ALLOWED_QT_MODULES = {
    "core": set(),
    "system": set(),
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
# iconv; the system library reads the environment, the password database and
# files; the command line asks the system library. Other folders are not
# limited here.
ALLOWED_SYSTEM_HEADERS = {
    "core": {"iconv.h"},
    "system": {"fcntl.h", "pwd.h", "sys/stat.h", "unistd.h"},
    "cli": set(),
}

FOLDERS = list(ALLOWED_FOLDERS)


def library_of(folder):
    return "erakon_" + folder


def folder_of(library):
    """The source folder a library is built from, or None for other targets."""
    name = library.removeprefix("erakon_")
    return name if name != library and name in ALLOWED_FOLDERS else None
