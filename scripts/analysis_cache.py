# SPDX-License-Identifier: MIT
"""Remembers the files that clang-tidy or clazy passed, so that a later run skips a file
whose inputs did not change (scripts/static_analysis.py).

A file's key is a hash of everything the tool's answer depends on: the tool (its version
text and the contents of its binary and of its clang libraries), the tool's command line
and configuration files, the file's compile command, the file as the compiler sees it
(preprocessed, with every header it includes, comments kept), and which of those headers
the tool reports on. Paths under the source root and the build folder are written relative to
them, so that a clone in another folder finds the same keys. No time stamp is part of a
key. Only a pass is remembered: a file with findings is analysed again every time.

The entries lie in the user's cache folder ($XDG_CACHE_HOME, else ~/.cache), under
erakon/analysis/TOOL/, one small file per pass that holds its own key, written whole or
not at all. A damaged, missing or unwritable cache costs the time of the analysis, never
a wrong result. Entries unused for UNUSED_DAYS days are removed.
"""
import hashlib
import os
import re
import shlex
import shutil
import subprocess
import tempfile
import time

# Raised whenever what goes into a key changes, so that older entries are not read.
KEY_FORMAT = "1"
UNUSED_DAYS = 30
LINE_MARKER = re.compile(rb'^# \d+ "((?:[^"\\]|\\.)*)"', re.M)


def cache_folder(tool):
    base = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
    return os.path.join(base, "erakon", "analysis", tool)


def _file_digest(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()


def tool_identity(executable):
    """The tool's version text and the digests of its binary and of the clang and LLVM
    libraries it loads: a rebuilt package with the same version text counts as new."""
    path = shutil.which(executable)
    if path is None:
        raise OSError(f"{executable} not found")
    version = subprocess.run([path, "--version"], capture_output=True, text=True).stdout
    files = [os.path.realpath(path)]
    libraries = subprocess.run(["ldd", files[0]], capture_output=True, text=True).stdout
    files += sorted(set(re.findall(r"=> (\S*lib(?:clang|LLVM)\S*)", libraries)))
    return version + "".join(f"{os.path.basename(f)} {_file_digest(f)}\n" for f in files)


class Paths:
    """Writes the source root and the build folder as names, in any text of a key."""

    def __init__(self, root, build):
        pairs = [(os.path.abspath(build), "<build>"), (os.path.abspath(root), "<root>")]
        # The longer first: a build folder inside the root is named as the build folder.
        pairs.sort(key=lambda pair: -len(pair[0]))
        self._pairs = [(path, name) for path, name in pairs]
        self._pairs += [(re.escape(path), name) for path, name in pairs if re.escape(path) != path]

    def text(self, text):
        for path, name in self._pairs:
            text = text.replace(path, name)
        return text

    def data(self, data):
        for path, name in self._pairs:
            data = data.replace(path.encode(), name.encode())
        return data


def preprocess_command(entry):
    """The compile command of a compile_commands.json entry turned into one that writes
    the preprocessed source to the standard output and nothing to the build folder."""
    arguments = entry.get("arguments") or shlex.split(entry["command"])
    result = []
    skip_next = False
    for argument in arguments:
        if skip_next:
            skip_next = False
        elif argument in ("-o", "-MF", "-MT", "-MQ"):
            skip_next = True
        elif argument not in ("-c", "-MD", "-MMD"):
            result.append(argument)
    # Comments stay: NOLINT and clazy:exclude in them change what the tools report.
    return result + ["-E", "-C"]


class AnalysisCache:
    """The passes of one tool. key() gives None where no key can be made (the build is
    not clang's, or the file does not preprocess): such a file is always analysed."""

    def __init__(self, tool, identity, root, build, header_filter):
        self.folder = cache_folder(tool)
        self.paths = Paths(root, build)
        self._identity = identity
        self._header_filter = header_filter
        self._analysed_header = re.compile(header_filter)
        self.trouble = None

    def key(self, entry, tool_command):
        compile_command = preprocess_command(entry)
        # Another compiler's preprocessor may read other headers than the tool's clang.
        if not os.path.basename(compile_command[0]).startswith("clang"):
            return None
        try:
            result = subprocess.run(compile_command, cwd=entry["directory"], capture_output=True)
        except OSError:
            return None
        if result.returncode != 0:
            return None
        preprocessed = self.paths.data(result.stdout)
        headers = set()
        for name in LINE_MARKER.findall(result.stdout):
            path = os.path.normpath(os.path.join(entry["directory"], name.decode(errors="replace")))
            if self._analysed_header.match(path):
                headers.add(self.paths.text(path))
        digest = hashlib.sha256()
        for part in [KEY_FORMAT, self._identity,
                     self.paths.text(shlex.join(a.replace(self._header_filter, "<analysed headers>")
                                                for a in tool_command)),
                     self.paths.text(shlex.join(compile_command)), "\n".join(sorted(headers))]:
            digest.update(part.encode())
            digest.update(b"\0")
        digest.update(preprocessed)
        return digest.hexdigest()

    def _entry(self, key):
        return os.path.join(self.folder, key[:2], key)

    def passed(self, key):
        """Whether a run passed the file with this key: its entry exists and holds the key."""
        try:
            with open(self._entry(key), encoding="ascii") as file:
                if file.read() != key + "\n":
                    return False
            os.utime(self._entry(key))  # still in use: keep it
            return True
        except (OSError, ValueError):
            return False

    def record_pass(self, key):
        path = self._entry(key)
        try:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with tempfile.NamedTemporaryFile("w", dir=os.path.dirname(path), delete=False,
                                             encoding="ascii") as file:
                file.write(key + "\n")
            os.replace(file.name, path)
        except OSError as error:
            self.trouble = f"the cache in {self.folder} could not be written ({error})"

    def remove_unused(self):
        limit = time.time() - UNUSED_DAYS * 86400
        for directory, _, names in os.walk(self.folder):
            for name in names:
                path = os.path.join(directory, name)
                try:
                    if os.stat(path).st_mtime < limit:
                        os.remove(path)
                except OSError:
                    pass
