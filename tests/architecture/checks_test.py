# SPDX-License-Identifier: MIT
"""The layer checks find what they are there to find: a cycle, an arrow against the
layers, an include from a folder that may not be used, Qt in the core, an include not
written from the source root, a file whose own header is not first, a symbol defined
in two libraries."""
import os
import sys
import tempfile
import types
import unittest

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts")
sys.path.insert(0, SCRIPTS)


def load(name):
    """A script of scripts/ as a module, although its file name has no .py."""
    path = os.path.join(SCRIPTS, name)
    module = types.ModuleType(name)
    module.__file__ = path
    with open(path, encoding="utf-8") as file:
        exec(compile(file.read(), path, "exec"), module.__dict__)
    return module


dependency_graph = load("dependency_graph")
check_includes = load("check_includes")
check_symbols = load("check_symbols")


class GraphTest(unittest.TestCase):
    def test_cycle_is_found(self):
        graph = {"erakon_window": ["erakon_desktop"], "erakon_desktop": ["erakon_settings"],
                 "erakon_settings": ["erakon_desktop"]}
        self.assertEqual(dependency_graph.find_cycle(graph),
                         ["erakon_desktop", "erakon_settings", "erakon_desktop"])

    def test_one_way_graph_has_no_cycle(self):
        graph = {"erakon": ["erakon_window"], "erakon_window": ["erakon_core"], "erakon_core": []}
        self.assertIsNone(dependency_graph.find_cycle(graph))

    def test_arrow_against_the_layers_is_found(self):
        graph = {"erakon_desktop": ["erakon_window", "erakon_core"], "erakon_window": [], "erakon_core": [],
                 "erakon": ["erakon_window"]}
        self.assertEqual(dependency_graph.forbidden_arrows(graph), ["erakon_desktop -> erakon_window"])

    def test_graph_is_read_from_cmake_output(self):
        dot = '''
    "node0" [ label = "erakon_styles", shape = octagon ];
    "node1" [ label = "erakon_styles_resources_1", shape = hexagon ];
    "node0" -> "node1" [ style = dashed ] // erakon_styles -> erakon_styles_resources_1
    "node2" [ label = "erakon_settings", shape = octagon ];
    "node3" [ label = "erakon_core", shape = octagon ];
    "node2" -> "node3"  // erakon_settings -> erakon_core
'''
        self.assertEqual(dependency_graph.parse(dot),
                         {"erakon_styles": [], "erakon_settings": ["erakon_core"], "erakon_core": []})


class IncludeTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = self.folder.name
        self.write("core/clock.h", "#pragma once\n#include <chrono>\n")
        self.write("core/version.h.in", "#pragma once\n")
        self.write("window/main_window.h", "#pragma once\n#include <QMainWindow>\n")
        self.write("settings/ini_text.h", "#pragma once\n#include <QString>\n")
        for header in ("QtCore/QString", "QtWidgets/QWidget", "QtWidgets/QMainWindow"):
            self.write("qt/" + header, "")

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, text):
        os.makedirs(os.path.dirname(os.path.join(self.root, path)), exist_ok=True)
        with open(os.path.join(self.root, path), "w", encoding="utf-8") as file:
            file.write(text)

    def faults(self):
        return check_includes.check(self.root, os.path.join(self.root, "qt"))

    def test_sound_tree_passes(self):
        self.write("desktop/shortcuts.cpp",
                   '#include "desktop/shortcuts.h"\n\n#include "core/clock.h"\n#include "core/version.h"\n')
        self.write("desktop/shortcuts.h", "#pragma once\n#include <QString>\n")
        self.assertEqual(self.faults(), [])

    def test_named_system_headers_pass(self):
        self.write("core/text.cpp", "#include <iconv.h>\n#include <string>\n")
        self.write("system/files.cpp", '#include "system/files.h"\n\n#include "core/clock.h"\n'
                   "#include <sys/stat.h>\n#include <unistd.h>\n")
        self.write("system/files.h", "#pragma once\n#include <string>\n")
        self.write("cli/main.cpp", '#include "system/files.h"\n#include <string>\n')
        self.assertEqual(self.faults(), [])

    def test_command_line_uses_only_the_core(self):
        self.write("cli/main.cpp", '#include "settings/ini_text.h"\n#include <QString>\n#include <iconv.h>\n'
                   "#include <unistd.h>\n")
        self.write("system/files.cpp", "#include <QString>\n#include <iconv.h>\n")
        self.assertEqual(sorted(self.faults()), sorted([
            'cli/main.cpp: "settings/ini_text.h": cli/ may not use settings/',
            "cli/main.cpp: <QString>: cli/ may not use QtCore",
            "cli/main.cpp: <iconv.h>: cli/ uses nothing but the C++ standard library",
            "cli/main.cpp: <unistd.h>: cli/ uses nothing but the C++ standard library",
            "system/files.cpp: <QString>: system/ may not use QtCore",
            "system/files.cpp: <iconv.h>: system/ uses nothing but the C++ standard library and <fcntl.h>, "
            "<pwd.h>, <sys/stat.h>, <unistd.h>",
        ]))

    def test_search_service_has_no_widgets_and_no_window(self):
        self.write("search/main.cpp", '#include "settings/ini_text.h"\n#include "window/main_window.h"\n'
                   "#include <QString>\n#include <QWidget>\n")
        self.assertEqual(sorted(self.faults()), sorted([
            'search/main.cpp: "window/main_window.h": search/ may not use window/',
            "search/main.cpp: <QWidget>: search/ may not use QtWidgets",
        ]))

    def test_each_fault_is_named(self):
        self.write("desktop/shortcuts.cpp", '#include "core/clock.h"\n#include "window/main_window.h"\n'
                   '#include "clock.h"\n')
        self.write("desktop/shortcuts.h", "#pragma once\n")
        self.write("core/era.cpp", "#include <QString>\n#include <unistd.h>\n#include <vector>\n")
        self.write("settings/ini_text.cpp", '#include "settings/ini_text.h"\n#include <QWidget>\n')
        self.write("widgets/year_box.cpp", "#include <QNotAQtHeader>\n")
        self.assertEqual(sorted(self.faults()), sorted([
            "core/era.cpp: <QString>: core/ may not use QtCore",
            "core/era.cpp: <unistd.h>: core/ uses nothing but the C++ standard library and <iconv.h>",
            'desktop/shortcuts.cpp: "window/main_window.h": desktop/ may not use window/',
            'desktop/shortcuts.cpp: "clock.h" is not a path from the source root',
            'desktop/shortcuts.cpp: its own header "desktop/shortcuts.h" is not the first include',
            "settings/ini_text.cpp: <QWidget>: settings/ may not use QtWidgets",
            "widgets/year_box.cpp: <QNotAQtHeader>: widgets/ may not use Qt",
        ]))


class SymbolTest(unittest.TestCase):
    # nm -A --defined-only --extern-only --format=posix, as the check reads it.
    LISTING = """\
core/liberakon_core.a[version_text.cpp.o]: _ZN6erakon11versionTextB5cxx11ESt17basic_string_viewIcSt11char_traitsIcEE T 0 2f1
core/liberakon_core.a[era_table.cpp.o]: _ZN6erakon9kEraTableE V 0 c0
core/liberakon_core.a[era_table.cpp.o]: _ZN6erakon6EtoStrE R 0 c0
core/liberakon_core.a[clock.cpp.o]: _ZN6erakon11SystemClockD0Ev W 0 a
window/liberakon_window.a[command_line.cpp.o]: _ZN6erakon11versionTextB5cxx11ESt17basic_string_viewIcSt11char_traitsIcEE T 0 2f1
window/liberakon_window.a[pages.cpp.o]: _ZN6erakon9kEraTableE V 0 c0
window/liberakon_window.a[pages.cpp.o]: _ZN6erakon11SystemClockD0Ev W 0 a
window/liberakon_window.a[pages.cpp.o]: _ZZN6erakon3keyEvE4seen u 0 4
settings/liberakon_settings.a[reader.cpp.o]: _ZZN6erakon3keyEvE4seen u 0 4
"""

    def test_function_defined_in_two_libraries_is_found(self):
        twice = check_symbols.defined_twice(check_symbols.definitions(self.LISTING))
        self.assertEqual(twice, {"_ZN6erakon11versionTextB5cxx11ESt17basic_string_viewIcSt11char_traitsIcEE": [
            "core/liberakon_core.a[version_text.cpp.o]", "window/liberakon_window.a[command_line.cpp.o]"]})

    def test_weak_and_unique_definitions_are_merged_not_doubled(self):
        once = "\n".join(line for line in self.LISTING.splitlines() if "versionText" not in line)
        self.assertEqual(check_symbols.defined_twice(check_symbols.definitions(once)), {})

    def test_one_library_per_source_folder(self):
        self.assertEqual([os.path.relpath(path, "/b") for path in check_symbols.archives("/b")][:2],
                         ["core/liberakon_core.a", "system/liberakon_system.a"])


if __name__ == "__main__":
    unittest.main()
