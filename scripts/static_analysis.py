# SPDX-License-Identifier: MIT
"""What clang-tidy and clazy look at, and how they are run: one place for both
(scripts/tidy, scripts/clazy).

A source file is analysed when it is one of the project's files in FOLDERS and not
under SKIPPED; a header's findings are reported, from any source that includes it,
on the same terms. Generated code in the build folder is never ours to check.
"""
import argparse
import concurrent.futures
import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import analysis_cache  # noqa: E402

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


def _compile_entries(build):
    """The compile_commands.json entries of the build folder by absolute source path."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as file:
        return {os.path.normpath(os.path.join(e["directory"], e["file"])): e for e in json.load(file)}


def main(tool, description, command, configuration=()):
    """The command line of scripts/tidy and scripts/clazy. command(build, file) is the
    tool's command for one source file; a file fails when the tool exits with an error
    or prints a warning. configuration names the files the tool reads besides the
    sources (root-relative, a name alone matching it in every folder). A file passed
    before with the same inputs is skipped (scripts/analysis_cache.py)."""
    parser = argparse.ArgumentParser(prog=tool, description=description,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(ROOT, "build-fuzz"),
                        help="build folder whose compile_commands.json is used (default build-fuzz)")
    parser.add_argument("-j", "--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--no-cache", action="store_true",
                        help="analyse every file, whatever earlier runs passed")
    parser.add_argument("files", nargs="*",
                        help="source files relative to the root (default: every analysed one)")
    args = parser.parse_args()
    if not os.path.exists(os.path.join(args.build, "compile_commands.json")):
        sys.exit(f"{tool}: no compile_commands.json in {args.build}; configure and build it first")
    files = args.files or sources()
    cache = None if args.no_cache else _open_cache(tool, command, args.build, configuration)
    entries = _compile_entries(args.build) if cache else {}

    def run(name):
        path = os.path.join(ROOT, name)
        entry = entries.get(os.path.normpath(path))
        key = cache.key(entry, command(args.build, path)) if entry else None
        if key and cache.passed(key):
            return name, False, "", True
        result = subprocess.run(command(args.build, path), cwd=ROOT, capture_output=True, text=True)
        output = result.stdout + result.stderr
        failure = result.returncode != 0 or "warning:" in output
        if key and not failure:
            cache.record_pass(key)
        return name, failure, output, False

    failed = []
    unchanged = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        for name, failure, output, cached in pool.map(run, files):
            unchanged += cached
            if failure:
                failed.append(name)
                print(output, end="" if output.endswith("\n") else "\n", flush=True)
    if cache:
        if cache.trouble:
            print(f"{tool}: {cache.trouble}; the next run analyses those files again")
        cache.remove_unused()
    notes = [f"{unchanged} unchanged since a run that passed"] if unchanged else []
    notes += [f"{', '.join(SKIPPED)} left out"] if SKIPPED else []
    notes = f" ({'; '.join(notes)})" if notes else ""
    if failed:
        print(f"{tool}: findings in {len(failed)} of {len(files)} files{notes}: {' '.join(failed)}")
        return 1
    print(f"{tool}: nothing found in {len(files)} files{notes}")
    return 0


def _open_cache(tool, command, build, configuration):
    """The cache of the tool's passes, or None where the tool cannot be identified."""
    probe = command(build, os.path.join(ROOT, "probe.cpp"))
    try:
        identity = analysis_cache.tool_identity(probe[0])
    except OSError as error:
        print(f"{tool}: analysing every file: {error}")
        return None
    tracked = _tracked_files(ROOT)
    for pattern in configuration:
        for name in tracked:
            if name == pattern or ("/" not in pattern and os.path.basename(name) == pattern):
                with open(os.path.join(ROOT, name), encoding="utf-8") as file:
                    identity += f"{name}\n{file.read()}\n"
    return analysis_cache.AnalysisCache(os.path.basename(tool), identity, ROOT, build, header_filter())
