#!/usr/bin/env bash
# Long-session benchmark: the real program on an X server (Xvfb) with the openbox window manager
# repeats each user action (a reading window opened and closed by OK and by its close box, the
# About window, an information message, a whole results cycle, an organisation opened from
# Resources, the "Try It Yourself!" box) many times after a warm-up, and prints per action the
# heap growth per repeat and the change in live objects, and the time of one focus change in a
# reading window before and after all the repeats.
#   bench/soak.sh [repeats]      (default 2000; builds and uses the release preset)
# QUIZ_BINARY=<program> measures another build of the program with the same probe.
set -euo pipefail
cd "$(dirname "$0")/.."
repeats="${1:-2000}"
cmake --preset release >/dev/null
cmake --build --preset release --target quiz quiz_soak_probe >/dev/null
quiz="${QUIZ_BINARY:-$PWD/build/release/quiz}"
probe="$PWD/build/release/bench/libquiz_soak_probe.so"

tmp=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap finish EXIT
mkdir -m 700 "$tmp/runtime"
mkdir "$tmp/home"

# A free display: Xvfb writes the number it took into a pipe once it accepts clients. Opening the
# pipe waits for the other side, which Xvfb's own redirection is; its end without a number ends
# the read at once.
mkfifo "$tmp/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$tmp/display" 2>/dev/null &
pids+=($!)
number=
read -r -t 10 number <"$tmp/display" || true
[ -n "$number" ] || { echo "soak: Xvfb did not start" >&2; exit 1; }
display=":$number"

run() {
    env -i PATH=/usr/bin:/bin HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime" LANG=C.UTF-8 \
        DISPLAY="$display" "$@"
}
# openbox runs its start-up command once it manages windows: it writes a line into a pipe that is
# open here for reading and writing, so that neither side waits in opening it.
mkfifo "$tmp/wm"
exec 4<>"$tmp/wm"
run openbox --startup "sh -c 'echo up >$tmp/wm'" >/dev/null 2>&1 4<&- &
pids+=($!)
read -r -t 10 -u 4 _ || { echo "soak: openbox did not start" >&2; exit 1; }
exec 4<&-

printf 'repeats: %d per action after a warm-up of %d, platform: xcb with openbox\n' \
    "$repeats" "$((repeats / 10))"
# dbus-run-session ends its bus with the program. The C library's per-thread cache of freed
# blocks is turned off: its blocks count as in use and would blur the few bytes measured.
run QT_QPA_PLATFORM=xcb QUIZ_SOAK_REPEATS="$repeats" GLIBC_TUNABLES=glibc.malloc.tcache_count=0 \
    dbus-run-session -- env LD_PRELOAD="$probe" "$quiz" 2> >(grep -v '^dbus-daemon' >&2)
