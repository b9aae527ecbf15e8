#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The documents' link checker finds what a reader would stumble on, in a small tree
of documents made here."""

import os
import shutil
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_links  # noqa: E402


class CheckLinksTest(unittest.TestCase):
    def tree(self, files):
        root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, root)
        for name, content in files.items():
            path = os.path.join(root, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as file:
                file.write(content)
        return root

    def check(self, files):
        documents = sorted(name for name in files if name.endswith(".md"))
        return check_links.check(self.tree(files), documents)

    def test_sound_documents_pass(self):
        self.assertEqual(self.check({
            "README.md": "# Erakon\n![the window\nover two lines](doc/manual/images/a.png)\n"
                         "See [the gate](CONTRIBUTING.md#the-full-gate-scriptstest), "
                         "[変換](CONTRIBUTING.md#変換ページconversion), [again](#erakon), [the code](core/), "
                         "[the manual](doc/manual/index.html#keys) and [web](https://example.org/).\n"
                         "[ref]: ARCHITECTURE.md#tests-1\n",
            "CONTRIBUTING.md": "## The full gate: `scripts/test`\n## 変換ページ（conversion）\n"
                               "```sh\n[not a link](nowhere.md)\n```\n"
                               "`[nor this](nowhere.md)` and [back](README.md).\n",
            "ARCHITECTURE.md": "# Tests\n## Tests\n",
            "doc/manual/images/a.png": "",
            "doc/manual/index.html": '<h2 id="keys">keys</h2>',
            "core/clock.h": "",
        }), [])

    def test_every_kind_of_fault_is_named(self):
        faults = "\n".join(self.check({
            "README.md": "[a](gone.md) [b](CONTRIBUTING.md#nowhere) [c](doc/page.html#nowhere)\n"
                         "[d](/CONTRIBUTING.md) [e](file:///etc/passwd) [f](doc/a.png#top)\n"
                         "[g](CONTRIBUTING.md) [h](../outside.md) [a link over\ntwo lines](gone.png)\n",
            "CONTRIBUTING.md": "# Contributing\n",
            "doc/lost.md": "# Lost\n",
            "doc/page.html": '<p id="here">',
            "doc/a.png": "",
        }))
        for expected in ["README.md line 1: link to a missing file: gone.md",
                         "CONTRIBUTING.md has no #nowhere", "doc/page.html has no #nowhere",
                         "line 2: an absolute path", "link of an unexpected kind: file:///etc/passwd",
                         "a #fragment into a file that has none: doc/a.png#top",
                         "link to a missing file: ../outside.md", "line 4: link to a missing file: gone.png",
                         "doc/lost.md: no way to it from README.md"]:
            self.assertIn(expected, faults)

    def test_documents_without_a_readme(self):
        self.assertIn("README.md: missing", self.check({"CONTRIBUTING.md": "# Contributing\n"}))


if __name__ == "__main__":
    unittest.main()
