#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks a folder of the user's manual as a reader's browser will meet it.

    check_manual.py FOLDER

Every page is reachable from index.html, has a language and a title, and
closes what it opens; every link to a page of the manual reaches an existing
page and, with a #fragment, an element of that id, and a link to another file
(a picture at full size) reaches that file; every picture exists, is a PNG of
the size the page declares, and offers a sharp version for screens at 200 %
(srcset "... 2x"), a PNG of exactly twice that size; nothing is loaded from
outside the folder; and every file in the folder is used by some page."""

import os
import struct
import sys
from html.parser import HTMLParser
from urllib.parse import unquote, urlsplit

VOID_ELEMENTS = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}
# Elements whose end tag HTML lets a page leave out; the manual writes them all
# the same, but a missing one is no fault.
OPTIONAL_END = {"li", "p", "tr", "td", "th"}
EXTERNAL_LINK_SCHEMES = {"http", "https", "mailto"}


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ids = set()
        self.links = []       # (href, line)
        self.resources = []   # (url, line, attributes)
        self.lang = None
        self.title = ""
        self.faults = []
        self._open = []
        self._in_title = False

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        line = self.getpos()[0]
        if "id" in attributes:
            if attributes["id"] in self.ids:
                self.faults.append(f"line {line}: id {attributes['id']!r} used twice")
            self.ids.add(attributes["id"])
        if tag == "html":
            self.lang = attributes.get("lang")
        if tag == "title":
            self._in_title = True
        if tag == "a" and "href" in attributes:
            self.links.append((attributes["href"], line))
        if tag in ("img", "script", "source") and "src" in attributes:
            self.resources.append((attributes["src"], line, attributes))
        if tag in ("img", "source") and "srcset" in attributes:
            for url, scale in srcset_candidates(attributes["srcset"]):
                self.resources.append((url, line, {**attributes, "scale": scale}))
        if tag == "img" and attributes.get("src", "").endswith(".png") and not any(
                scale == 2 for _, scale in srcset_candidates(attributes.get("srcset", ""))):
            self.faults.append(f"line {line}: {attributes['src']} has no picture for screens at 200 % "
                               "(srcset \"... 2x\")")
        if tag == "link" and "href" in attributes:
            self.resources.append((attributes["href"], line, attributes))
        if tag == "img" and not attributes.get("alt"):
            self.faults.append(f"line {line}: a picture without alt text")
        if tag not in VOID_ELEMENTS:
            self._open.append((tag, line))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID_ELEMENTS:
            self._open.pop()

    def handle_endtag(self, tag):
        if tag == "title":
            self._in_title = False
        while self._open and self._open[-1][0] != tag and self._open[-1][0] in OPTIONAL_END:
            self._open.pop()
        if not self._open or self._open[-1][0] != tag:
            self.faults.append(f"line {self.getpos()[0]}: </{tag}> closes nothing open")
            return
        self._open.pop()

    def handle_data(self, data):
        if self._in_title:
            self.title += data

    def finish(self):
        self.close()
        for tag, line in self._open:
            if tag not in OPTIONAL_END:
                self.faults.append(f"line {line}: <{tag}> is never closed")


def srcset_candidates(srcset):
    """The (url, scale) pairs of a srcset; a width descriptor or a bad one gives the scale None."""
    candidates = []
    for candidate in srcset.split(","):
        parts = candidate.split()
        if not parts:
            continue
        descriptor = parts[1] if len(parts) > 1 else "1x"
        try:
            scale = float(descriptor[:-1]) if descriptor.endswith("x") else None
        except ValueError:
            scale = None
        candidates.append((parts[0], scale))
    return candidates


def png_size(path):
    with open(path, "rb") as file:
        head = file.read(24)
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def declared_size_matches(attributes, size, scale):
    try:
        declared = (int(attributes.get("width")), int(attributes.get("height")))
    except (TypeError, ValueError):
        return False
    return size == (round(declared[0] * scale), round(declared[1] * scale))


def check(folder):
    faults = []
    pages = {}
    for name in sorted(os.listdir(folder)):
        if name.endswith(".html"):
            page = Page()
            with open(os.path.join(folder, name), encoding="utf-8") as file:
                page.feed(file.read())
            page.finish()
            pages[name] = page

    if "index.html" not in pages:
        return [f"{folder}: no index.html"]

    used = set()
    for name, page in pages.items():
        faults += [f"{name}: {fault}" for fault in page.faults]
        if not page.lang:
            faults.append(f"{name}: no lang on <html>")
        if not page.title.strip():
            faults.append(f"{name}: no title")

        for href, line in page.links:
            parts = urlsplit(href)
            if parts.scheme:
                if parts.scheme not in EXTERNAL_LINK_SCHEMES:
                    faults.append(f"{name} line {line}: link of an unexpected kind: {href}")
                continue
            target = unquote(parts.path) or name
            if target not in pages:
                relative = os.path.normpath(target)
                if target.endswith(".html"):
                    faults.append(f"{name} line {line}: link to a missing page: {href}")
                elif relative.startswith("..") or not os.path.isfile(os.path.join(folder, relative)):
                    faults.append(f"{name} line {line}: link to a missing file: {href}")
                else:
                    used.add(relative)
                continue
            used.add(target)
            if parts.fragment and parts.fragment not in pages[target].ids:
                faults.append(f"{name} line {line}: {target} has no #{parts.fragment}")

        for url, line, attributes in page.resources:
            parts = urlsplit(url)
            if parts.scheme or url.startswith("//"):
                faults.append(f"{name} line {line}: loads from outside the manual: {url}")
                continue
            relative = os.path.normpath(unquote(parts.path))
            path = os.path.join(folder, relative)
            if relative.startswith("..") or not os.path.isfile(path):
                faults.append(f"{name} line {line}: missing file: {url}")
                continue
            used.add(relative)
            if relative.endswith(".png"):
                size = png_size(path)
                scale = attributes.get("scale", 1)
                if size is None:
                    faults.append(f"{name} line {line}: not a PNG: {url}")
                elif scale is None:
                    faults.append(f"{name} line {line}: {url} has no scale (such as 2x) in srcset")
                elif not declared_size_matches(attributes, size, scale):
                    wanted = "" if scale == 1 else f"{scale:g} times "
                    faults.append(f"{name} line {line}: {url} is {size[0]}x{size[1]}, not {wanted}"
                                  f"the {attributes.get('width')}x{attributes.get('height')} the page says")

    # Every page can be reached from the index.
    reached, waiting = set(), ["index.html"]
    while waiting:
        current = waiting.pop()
        if current in reached:
            continue
        reached.add(current)
        for href, _ in pages[current].links:
            parts = urlsplit(href)
            target = unquote(parts.path)
            if not parts.scheme and target in pages:
                waiting.append(target)
    for name in sorted(set(pages) - reached):
        faults.append(f"{name}: no way to it from index.html")

    # Nothing in the folder that no page uses: it would be installed for nothing.
    for directory, _, files in os.walk(folder):
        for file_name in files:
            relative = os.path.relpath(os.path.join(directory, file_name), folder)
            if relative not in used and relative != "index.html":
                faults.append(f"{relative}: used by no page")
    return faults


def run(check_folder, usage, passed):
    """The command line of a checker: one folder, each fault on a line, status 1 on any."""
    if len(sys.argv) != 2:
        sys.exit(usage)
    faults = check_folder(sys.argv[1])
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"{sys.argv[1]}: {passed}")
    return 0


if __name__ == "__main__":
    sys.exit(run(check, __doc__, "every link and picture is in place"))
