#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whole-process start-up time and peak memory of erakon against two floors: a bare Qt
# main window, and the same window showing one line of Japanese text.
#   bench/startup.sh [RUNS]            (default 10 runs of each, alternating)
# Environment: BUILD (build folder, default build), ERAKON (the program, default
# $BUILD/window/erakon), BEFORE (another build of erakon, such as the one before a
# change, started in the same alternation and reported beside it; default none),
# SETTLE_MS (time after the window shows before the program is stopped, default 1000).
# Each run starts the program with a fresh, empty settings folder on a private X display
# (Xvfb, D-Bus session, openbox) and measures from exec to the window being mapped, and
# the process's peak resident set. Prints the medians and erakon's ratios to the floors.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
build=${BUILD:-build}
erakon=${ERAKON:-$build/window/erakon}
bare=$build/bench/bare_window
japanese=$build/bench/japanese_window
probe=$build/bench/startup_probe
settle=${SETTLE_MS:-1000}
before=${BEFORE:-}
for f in "$erakon" "$bare" "$japanese" "$probe" ${before:+"$before"}; do
  [ -x "$f" ] || { echo "missing $f: build with -DERAKON_BUILD_BENCH=ON" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A private display, so that nothing else on the screen competes with the runs.
for n in $(seq 91 160); do
  [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] || break
done
Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.05; done
export DISPLAY=:$n
eval "$(dbus-launch --sh-syntax)"
openbox >/dev/null 2>&1 & pids+=($!)
sleep 1

export QT_QPA_PLATFORM=xcb LANG=ja_JP.UTF-8 LC_ALL= TZ=Asia/Tokyo
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
run() { # run NAME PROGRAM: one measured start, appended to $work/NAME
  rm -rf "$work/config" && mkdir "$work/config"
  XDG_CONFIG_HOME="$work/config" "$probe" "$settle" "$2" >>"$work/$1" 2>"$work/$1.err" \
    || { echo "$1 failed:" >&2; cat "$work/$1.err" >&2; exit 1; }
}
# One unmeasured start each fills the file cache.
run warmup "$erakon"; run warmup "$bare"; run warmup "$japanese"
[ -z "$before" ] || run warmup "$before"
for _ in $(seq "$runs"); do
  [ -z "$before" ] || run before "$before"
  run erakon "$erakon"
  run bare "$bare"
  run japanese "$japanese"
done

median() { # median FIELD FILE
  sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
e_ms=$(median shown_ms "$work/erakon"); e_kb=$(median peak_rss_kb "$work/erakon")
b_ms=$(median shown_ms "$work/bare"); b_kb=$(median peak_rss_kb "$work/bare")
j_ms=$(median shown_ms "$work/japanese"); j_kb=$(median peak_rss_kb "$work/japanese")
awk -v runs="$runs" -v prog="$erakon" -v em="$e_ms" -v ek="$e_kb" -v bm="$b_ms" -v bk="$b_kb" \
    -v jm="$j_ms" -v jk="$j_kb" 'BEGIN {
  printf "medians of %d starts each (%s)\n", runs, prog
  printf "%-24s %12s %16s\n", "", "shown (ms)", "peak RSS (MiB)"
  printf "%-24s %12.1f %16.1f\n", "erakon", em, ek / 1024
  printf "%-24s %12.1f %16.1f\n", "bare_window", bm, bk / 1024
  printf "%-24s %12.1f %16.1f\n", "japanese_window", jm, jk / 1024
  printf "%-24s %12.2f %16.2f\n", "erakon / bare_window", em / bm, ek / bk
  printf "%-24s %12.2f %16.2f\n", "erakon / japanese_window", em / jm, ek / jk
}'
if [ -n "$before" ]; then
  f_ms=$(median shown_ms "$work/before"); f_kb=$(median peak_rss_kb "$work/before")
  awk -v prog="$before" -v fm="$f_ms" -v fk="$f_kb" -v jm="$j_ms" -v jk="$j_kb" 'BEGIN {
    printf "%-24s %12.1f %16.1f   (%s)\n", "before", fm, fk / 1024, prog
    printf "%-24s %12.2f %16.2f\n", "before / japanese_window", fm / jm, fk / jk
  }'
fi
