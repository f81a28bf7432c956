#!/usr/bin/env bash
# The real program's command line and its start without a display: exit status, standard output
# and standard error of each case. All but the last case run with no display at all (no DISPLAY,
# WAYLAND_DISPLAY or QT_QPA_PLATFORM), where any attempt to open a window ends the program with
# status 1: a case that ends with 0 or 2 and its own text has opened none.
# Usage: commandline.sh <quiz binary>
set -uo pipefail

quiz=$(realpath "${1:?usage: commandline.sh <quiz binary>}")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/runtime"
base_env=(PATH=/usr/bin:/bin HOME="$tmp" XDG_RUNTIME_DIR="$tmp/runtime" LANG=C.UTF-8)
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do # the sanitizer run's settings
    [ -n "${!name:-}" ] && base_env+=("$name=${!name}")
done

failed=0
limit=20 # seconds before a case that is still running is ended (status 124)
# check <case> <status> <environment> <stdout> <stderr> <argument...>
# The expected texts are bash patterns for the whole stream: * stands for any text.
check() {
    local name=$1 status=$2 env_extra=$3 out=$4 err=$5
    shift 5
    local env_row=()
    [ -n "$env_extra" ] && read -r -a env_row <<< "$env_extra"
    (cd "$tmp" && ulimit -c 0 &&
        env -i "${base_env[@]}" "${env_row[@]}" timeout "$limit" "$quiz" "$@" >"$tmp/out" 2>"$tmp/err")
    local got=$?
    local got_out got_err
    got_out=$(cat "$tmp/out")
    got_err=$(cat "$tmp/err")
    # shellcheck disable=SC2053 # the expectations are patterns
    if [ "$got" -ne "$status" ] || [[ $got_out != $out ]] || [[ $got_err != $err ]]; then
        echo "FAIL: $name: quiz $*"
        echo "  status $got, expected $status"
        echo "  stdout: ${got_out:0:400}"
        echo "  stderr: ${got_err:0:400}"
        failed=1
    else
        echo "PASS: $name"
    fi
}

usage='Usage: quiz *quiz*Options:*-h, --help*-v, --version*-platform NAME*-display NAME*'
usage+='-style NAME*-reverse*'
hint="; see 'quiz --help'"
# Names of plug-ins follow one another in any order, but the test platform is always among them.
plugins='choose one of *offscreen* with -platform'

#     case                 status env                 stdout        stderr                        arguments
check "--help"             0      ""                  "$usage"      ""                            --help
check "-h"                 0      ""                  "$usage"      ""                            -h
check "--version"          0      ""                  "quiz 6.1"    ""                            --version
check "-v"                 0      ""                  "quiz 6.1"    ""                            -v
check "Qt's options"       0      ""                  "quiz 6.1"    ""                            -platform xcb -style=fusion -reverse --version
check "unknown option"     2      ""                  ""            "quiz: unknown option '--bogus-option'$hint"     --bogus-option
check "unknown word"       2      ""                  ""            "quiz: unknown option '-bogus'$hint"             -bogus -h
check "stray argument"     2      ""                  ""            "quiz: unexpected argument 'foo.txt'$hint"       foo.txt
check "missing value"      2      ""                  ""            "quiz: missing value after '-style'$hint"        -style
check "no display"         1      ""                  ""            "quiz: cannot open a display: set DISPLAY or WAYLAND_DISPLAY, or run it on a desktop"
check "no such plug-in"    1      ""                  ""            "quiz: there is no display plug-in \"nosuch\": $plugins" -platform nosuch
check "no such display"    1      ""                  ""            "quiz: cannot open the display \"garbage\": check -display or DISPLAY, or run it on a desktop" -platform xcb -display garbage
if [ ! -e /dev/fb0 ]; then # the framebuffer plug-in starts, but finds no screen
    check "no screen"      1      ""                  ""            "quiz: the display plug-in \"linuxfb\" found no screen: choose another with -platform, or run it on a desktop" -platform linuxfb
fi
# Qt's options reach Qt: told offscreen on the command line, the program starts and keeps running
# (until the timeout ends it) where the environment alone names no usable plug-in.
limit=5
check "-platform is Qt's"  124    "QT_QPA_PLATFORM=nosuch" ""   "*"                           -platform offscreen -style fusion -reverse

exit $failed
