# SPDX-License-Identifier: MIT
"""The analysers' cache skips a file only where nothing it depends on changed: the same
key for the same inputs, in a clone in another folder too; another key for a changed
header, a changed comment (NOLINT lives there), another tool or configuration; and a
damaged or unwritable cache is a miss, never a pass."""
import os
import shutil
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import analysis_cache  # noqa: E402

COMPILER = shutil.which("clang++-14")


def make_clone(parent, name, header="#pragma once\nint answer();\n", source=None):
    """A small source tree with a build folder and its compile entry for a.cpp."""
    root = os.path.join(parent, name)
    build = os.path.join(root, "build")
    os.makedirs(os.path.join(root, "core"))
    os.makedirs(build)
    with open(os.path.join(root, "core", "a.h"), "w", encoding="utf-8") as file:
        file.write(header)
    with open(os.path.join(root, "core", "a.cpp"), "w", encoding="utf-8") as file:
        file.write(source or '#include "core/a.h"\nint answer() { return 42; } // NOLINT(x)\n')
    entry = {"directory": build, "file": os.path.join(root, "core", "a.cpp"),
             "command": f"{COMPILER} -I{root} -std=c++20 -MD -MT core/a.o -MF core/a.o.d "
                        f"-o core/a.o -c {root}/core/a.cpp"}
    return root, build, entry


@unittest.skipUnless(COMPILER, "clang++-14 is not installed")
class AnalysisCacheTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.folder)
        os.environ["XDG_CACHE_HOME"] = os.path.join(self.folder, "cache")

    def key(self, name, identity="tidy 14", tool_options=("--quiet",), **files):
        root, build, entry = make_clone(self.folder, name, **files)
        header_filter = "^" + root + "/(core/a\\.h)$"
        cache = analysis_cache.AnalysisCache("tidy", identity, root, build, header_filter)
        command = ["clang-tidy-14", "-p", build, *tool_options, f"--header-filter={header_filter}",
                   entry["file"]]
        return cache, cache.key(entry, command)

    def test_the_same_inputs_give_the_same_key_in_any_folder(self):
        _, first = self.key("first")
        _, second = self.key("elsewhere")
        self.assertIsNotNone(first)
        self.assertEqual(first, second)

    def test_any_changed_input_gives_another_key(self):
        _, original = self.key("original")
        changes = {
            "a header": dict(header="#pragma once\nlong answer();\n"),
            "a comment": dict(source='#include "core/a.h"\nint answer() { return 42; }\n'),
            "the tool": dict(identity="tidy 15"),
            "the tool's options": dict(tool_options=("--quiet", "--fix")),
        }
        for what, change in changes.items():
            with self.subTest(what):
                _, changed = self.key(what.replace(" ", "_").replace("'", ""), **change)
                self.assertNotEqual(original, changed)

    def test_preprocessing_leaves_the_build_folder_alone(self):
        cache, key = self.key("clean")
        self.assertIsNotNone(key)
        self.assertEqual(os.listdir(os.path.join(self.folder, "clean", "build")), [])

    def test_only_a_recorded_pass_is_a_pass(self):
        cache, key = self.key("passes")
        self.assertFalse(cache.passed(key))
        cache.record_pass(key)
        self.assertTrue(cache.passed(key))
        _, other = self.key("other", header="#pragma once\n")
        self.assertFalse(cache.passed(other))

    def test_a_damaged_entry_is_a_miss(self):
        cache, key = self.key("damaged")
        cache.record_pass(key)
        for damage in ["", key[:-1] + "\n", "garbage", "\0\xff"]:
            with self.subTest(repr(damage)):
                path = os.path.join(cache.folder, key[:2], key)
                with open(path, "w", encoding="latin-1") as file:
                    file.write(damage)
                self.assertFalse(cache.passed(key))

    def test_an_unwritable_cache_costs_only_time(self):
        blocker = os.path.join(self.folder, "not_a_folder")
        with open(blocker, "w", encoding="utf-8") as file:
            file.write("")
        os.environ["XDG_CACHE_HOME"] = blocker
        cache, key = self.key("unwritable")
        cache.record_pass(key)
        self.assertIn("could not be written", cache.trouble)
        self.assertFalse(cache.passed(key))

    def test_another_compiler_gives_no_key(self):
        root, build, entry = make_clone(self.folder, "gcc")
        entry["command"] = entry["command"].replace(COMPILER, "/usr/bin/g++")
        cache = analysis_cache.AnalysisCache("tidy", "tidy 14", root, build, "^$")
        self.assertIsNone(cache.key(entry, ["clang-tidy-14", entry["file"]]))


class PreprocessCommandTest(unittest.TestCase):
    def test_outputs_and_dependency_files_are_dropped(self):
        entry = {"arguments": ["clang++-14", "-Ia", "-MD", "-MT", "x.o", "-MF", "x.o.d", "-o", "x.o",
                               "-c", "x.cpp"]}
        self.assertEqual(analysis_cache.preprocess_command(entry), ["clang++-14", "-Ia", "x.cpp", "-E", "-C"])

    def test_a_command_string_is_split_as_the_shell_splits_it(self):
        entry = {"command": 'clang++-14 -DDIR=\\"/a/b\\" "-DNAME=\\"a b\\"" -c x.cpp'}
        self.assertEqual(analysis_cache.preprocess_command(entry),
                         ["clang++-14", '-DDIR="/a/b"', '-DNAME="a b"', "x.cpp", "-E", "-C"])

if __name__ == "__main__":
    unittest.main()
