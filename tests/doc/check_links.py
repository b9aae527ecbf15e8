#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks the links of the project's Markdown documents (README.md, CONTRIBUTING.md,
ARCHITECTURE.md, doc/...) as a reader on the repository's web page meets them.

    check_links.py ROOT

Every relative link and picture points at a file or folder of the source tree; a
link with a #fragment into a Markdown document names one of its headings (by the
anchor GitHub makes of it), into an HTML page one of its ids; and every document
can be reached from README.md. Links in code (`...`, fenced blocks) are no links."""

import os
import re
import subprocess
import sys
from urllib.parse import unquote, urlsplit

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_manual import EXTERNAL_LINK_SCHEMES  # noqa: E402
import check_manual  # noqa: E402
FENCE = re.compile(r"^ {0,3}(```|~~~)")
CODE_SPAN = re.compile(r"(`+)(.+?)\1")
# [text](target "title") and ![alt](target); the text may hold one level of brackets.
INLINE_LINK = re.compile(r"!?\[(?:[^\[\]]|\[[^\]]*\])*\]\(\s*<?([^)\s>]*)>?(?:\s+\"[^\"]*\")?\s*\)")
REFERENCE_DEFINITION = re.compile(r"^ {0,3}\[[^\]]+\]:\s*<?(\S+?)>?(?:\s+.*)?$")
HEADING = re.compile(r"^ {0,3}(#{1,6})\s+(.*?)\s*#*\s*$")
HTML_ID = re.compile(r"""\bid\s*=\s*["']([^"']+)["']""")


def markdown_files(root):
    """The tracked Markdown files relative to root: git's list in a work tree, else a
    walk that leaves out build folders and hidden ones."""
    try:
        listed = subprocess.run(["git", "-C", root, "ls-files", "-z", "--", "*.md"],
                                capture_output=True, check=True).stdout
        names = [name for name in listed.decode().split("\0") if name]
        if names:
            return sorted(names)
    except (OSError, subprocess.CalledProcessError):
        pass
    found = []
    for directory, folders, files in os.walk(root):
        folders[:] = [f for f in folders if not f.startswith((".", "build"))]
        found += [os.path.relpath(os.path.join(directory, f), root) for f in files if f.endswith(".md")]
    return sorted(found)


def outside_fences(text):
    """(line number, line) of the text outside fenced code blocks."""
    fence = None
    for number, line in enumerate(text.splitlines(), 1):
        opening = FENCE.match(line)
        if fence:
            if opening and opening.group(1) == fence:
                fence = None
        elif opening:
            fence = opening.group(1)
        else:
            yield number, line


def prose(text):
    """The text with fenced code blocks and code spans blanked, lines kept in place."""
    lines = text.splitlines()
    kept = [""] * len(lines)
    for number, line in outside_fences(text):
        kept[number - 1] = CODE_SPAN.sub(lambda m: " " * len(m.group(0)), line)
    return "\n".join(kept)


def heading_anchors(text):
    """The anchors GitHub gives the headings: lower case, punctuation dropped, spaces
    made hyphens, "-1", "-2"... after a repeated one."""
    anchors = set()
    seen = {}
    for _, line in outside_fences(text):
        match = HEADING.match(line)
        if not match:
            continue
        title = re.sub(r"!?\[([^\]]*)\]\([^)]*\)", r"\1", match.group(2))  # a link's text
        title = title.replace("`", "")
        anchor = re.sub(r"[^\w\- ]", "", title.strip().lower()).replace(" ", "-")
        count = seen.get(anchor, 0)
        seen[anchor] = count + 1
        anchors.add(anchor if count == 0 else f"{anchor}-{count}")
    return anchors


def links(text):
    """(line number, target) of every link, picture and reference definition; a link's
    text may run over several lines."""
    blanked = prose(text)
    for number, line in enumerate(blanked.split("\n"), 1):
        definition = REFERENCE_DEFINITION.match(line)
        if definition:
            yield number, definition.group(1)
    for match in INLINE_LINK.finditer(blanked):
        yield blanked.count("\n", 0, match.start(1)) + 1, match.group(1)


def read(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


def check(root, documents=None):
    documents = markdown_files(root) if documents is None else documents
    faults = []
    reached_from = {}
    for document in documents:
        text = read(os.path.join(root, document))
        reached_from[document] = set()
        for line, target in links(text):
            parts = urlsplit(target)
            where = f"{document} line {line}"
            if parts.scheme:
                if parts.scheme not in EXTERNAL_LINK_SCHEMES:
                    faults.append(f"{where}: link of an unexpected kind: {target}")
                continue
            if target.startswith("/"):
                faults.append(f"{where}: an absolute path, which the repository's page does not resolve: {target}")
                continue
            path = unquote(parts.path)
            relative = os.path.normpath(os.path.join(os.path.dirname(document), path)) if path else document
            full = os.path.join(root, relative)
            if relative.startswith("..") or not os.path.exists(full):
                faults.append(f"{where}: link to a missing file: {target}")
                continue
            if relative.endswith(".md"):
                reached_from[document].add(relative)
            if not parts.fragment:
                continue
            if relative.endswith(".md"):
                anchors = heading_anchors(read(full))
            elif relative.endswith(".html"):
                anchors = set(HTML_ID.findall(read(full)))
            else:
                faults.append(f"{where}: a #fragment into a file that has none: {target}")
                continue
            if unquote(parts.fragment) not in anchors:
                faults.append(f"{where}: {relative} has no #{parts.fragment}")

    if "README.md" in reached_from:
        reached, waiting = set(), ["README.md"]
        while waiting:
            current = waiting.pop()
            if current not in reached:
                reached.add(current)
                waiting += sorted(reached_from.get(current, ()))
        faults += [f"{document}: no way to it from README.md" for document in documents if document not in reached]
    else:
        faults.append("README.md: missing")
    return faults


if __name__ == "__main__":
    sys.exit(check_manual.run(check, __doc__, "every link of the documents is in place"))
