#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One conversion by erakon-cli against a C++ program that only prints a line,
# measured with hyperfine (whole processes, no shell in between):
#   bench/cli.sh [RUNS]
# Needs a build with -DERAKON_BUILD_BENCH=ON in $BUILD (default build). The
# settings come from a private configuration folder: once with no settings
# file, once with one that shows the user era and an era file beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
runs=${1:-1000}
cli="$build/cli/erakon-cli"
floor="$build/bench/print_line"
for program in "$cli" "$floor"; do
  [ -x "$program" ] || { echo "$program is missing: build with -DERAKON_BUILD_BENCH=ON" >&2; exit 1; }
done
command -v hyperfine >/dev/null || { echo "hyperfine is missing: scripts/setup installs it" >&2; exit 1; }

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/with/Harunagi/erakon" "$config/without"
printf '[OPTION]\r\nAddItem=1\r\nAddName=創業\r\nAddYear=1880\r\n' >"$config/with/Harunagi/erakon/erakon.ini"
# And an era file beside it, which adds one era after 令和.
printf '新元 しんげん Shingen N 2031-04-01\n' >"$config/with/Harunagi/erakon/eras.conf"

XDG_CONFIG_HOME="$config/without" hyperfine -N --warmup 100 --runs "$runs" --export-json "$config/without.json" \
  -n print_line "$floor" \
  -n "erakon-cli 令和5" "$cli 令和5" \
  -n "erakon-cli --no-settings 令和5" "$cli --no-settings 令和5"
XDG_CONFIG_HOME="$config/with" hyperfine -N --warmup 100 --runs "$runs" --export-json "$config/with.json" \
  -n print_line "$floor" \
  -n "erakon-cli 令和5 (settings with the user era, an era file)" "$cli 令和5" \
  -n "erakon-cli しょうわ5 (two readings)" "$cli しょうわ5"

# Medians, which a busy machine's outliers move less than means, and each one's ratio
# to print_line's in the same run (the target is 2 at most).
python3 - "$config/without.json" "$config/with.json" <<'PYTHON'
import json, sys
for path in sys.argv[1:]:
    results = json.load(open(path))["results"]
    floor = results[0]["median"]
    for result in results:
        print(f"median {result['median'] * 1000:6.2f} ms  x{result['median'] / floor:.2f}  {result['command']}")
PYTHON
