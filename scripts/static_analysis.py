# SPDX-License-Identifier: MIT
"""What clang-tidy and clazy look at, and how they are run: one place for both
(scripts/tidy, scripts/clazy).

A source file is analysed when it is one of the project's files in FOLDERS and not
under SKIPPED; a header's findings are reported, from any source that includes it,
on the same terms. Generated code in the build folder is never ours to check.
"""
import argparse
import concurrent.futures
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

FOLDERS = ["core", "settings", "styles", "widgets", "desktop", "window", "cli", "search", "tests", "bench"]

# Paths left out of the analysis (a folder ends in "/"); none at present. A path is
# only put here for a while, with the reason beside it.
SKIPPED = []


def _tracked_files(root):
    """The project's files relative to root: git's list in a work tree, else a walk."""
    try:
        listed = subprocess.run(["git", "-C", root, "ls-files", "-z", "--", *FOLDERS],
                                capture_output=True, check=True).stdout
        return [name for name in listed.decode().split("\0") if name]
    except (OSError, subprocess.CalledProcessError):
        files = []
        for folder in FOLDERS:
            for directory, _, names in os.walk(os.path.join(root, folder)):
                files += [os.path.relpath(os.path.join(directory, n), root) for n in names]
        return sorted(files)


def in_scope(path, skipped=None):
    """Whether a root-relative path is analysed."""
    skipped = SKIPPED if skipped is None else skipped
    return path.split("/")[0] in FOLDERS and not any(
        path == s or (s.endswith("/") and path.startswith(s)) for s in skipped)


def sources(root=ROOT):
    """The analysed .cpp files, relative to root."""
    return [f for f in _tracked_files(root) if f.endswith(".cpp") and in_scope(f)]


def header_filter(root=ROOT):
    """A regular expression (POSIX extended, as LLVM reads it) that matches exactly the
    absolute paths of the analysed headers."""
    headers = [f for f in _tracked_files(root) if f.endswith(".h") and in_scope(f)]
    return "^" + re.escape(os.path.abspath(root)) + "/(" + "|".join(re.escape(h) for h in headers) + ")$"


def main(tool, description, command):
    """The command line of scripts/tidy and scripts/clazy. command(build, file) is the
    tool's command for one source file; a file fails when the tool exits with an error
    or prints a warning."""
    parser = argparse.ArgumentParser(prog=tool, description=description,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(ROOT, "build-fuzz"),
                        help="build folder whose compile_commands.json is used (default build-fuzz)")
    parser.add_argument("-j", "--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("files", nargs="*",
                        help="source files relative to the root (default: every analysed one)")
    args = parser.parse_args()
    if not os.path.exists(os.path.join(args.build, "compile_commands.json")):
        sys.exit(f"{tool}: no compile_commands.json in {args.build}; configure and build it first")
    files = args.files or sources()

    def run(name):
        result = subprocess.run(command(args.build, os.path.join(ROOT, name)), cwd=ROOT,
                                capture_output=True, text=True)
        output = result.stdout + result.stderr
        return name, result.returncode != 0 or "warning:" in output, output

    failed = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        for name, failure, output in pool.map(run, files):
            if failure:
                failed.append(name)
                print(output, end="" if output.endswith("\n") else "\n", flush=True)
    skipped = f" ({', '.join(SKIPPED)} left out)" if SKIPPED else ""
    if failed:
        print(f"{tool}: findings in {len(failed)} of {len(files)} files{skipped}: {' '.join(failed)}")
        return 1
    print(f"{tool}: nothing found in {len(files)} files{skipped}")
    return 0
