#!/usr/bin/env bash
# Start-up benchmark: time from process start until the quiz window has painted with the splash
# on top (the About window's first paint), and peak memory by then, against a bare Qt Widgets
# window built in the same tree, in the same run (and against the same window with one line of
# text, which costs the font database that every program with text pays), and the program once
# more in German, which loads its catalogue and Qt's. Prints medians and the ratios.
#   bench/startup.sh [runs]        (default 15; builds and uses the release preset)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-15}"
build=build/release
cmake --preset release >/dev/null
cmake --build --preset release --target quiz bare_window quiz_startup_probe >/dev/null
probe="$PWD/$build/bench/libquiz_startup_probe.so"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

# The language is set for the program alone: env hands it on with the probe.
measure() { # <window to watch> [VARIABLE=value...] <program> [argument]
    local start line
    start=$(date +%s%N)
    line=$(env QUIZ_BENCH_WATCH="$1" LD_PRELOAD="$probe" "${@:2}" 2>/dev/null)
    local ready=${line#ready_ns=}
    ready=${ready%% *}
    echo "$(((ready - start) / 1000)) ${line##*hwm_kb=}"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

quiz_t=() quiz_m=() bare_t=() bare_m=() text_t=() text_m=() de_t=() de_m=()
for _ in $(seq 1 "$runs"); do
    read -r t m < <(measure Bare "$build/bench/bare_window")
    bare_t+=("$t") bare_m+=("$m")
    read -r t m < <(measure Bare "$build/bench/bare_window" --text)
    text_t+=("$t") text_m+=("$m")
    read -r t m < <(measure TAboutBox LANGUAGE= LC_ALL=C.UTF-8 "$build/quiz")
    quiz_t+=("$t") quiz_m+=("$m")
    read -r t m < <(measure TAboutBox LANGUAGE=de LC_ALL=de_DE.UTF-8 "$build/quiz")
    de_t+=("$t") de_m+=("$m")
done

qt=$(printf '%s\n' "${quiz_t[@]}" | median)
qm=$(printf '%s\n' "${quiz_m[@]}" | median)
bt=$(printf '%s\n' "${bare_t[@]}" | median)
bm=$(printf '%s\n' "${bare_m[@]}" | median)
xt=$(printf '%s\n' "${text_t[@]}" | median)
xm=$(printf '%s\n' "${text_m[@]}" | median)
dt=$(printf '%s\n' "${de_t[@]}" | median)
dm=$(printf '%s\n' "${de_m[@]}" | median)
printf 'runs: %d each, platform: %s\n' "$runs" "$QT_QPA_PLATFORM"
printf 'bare window: %6d us to first paint, %6d KiB peak\n' "$bt" "$bm"
printf 'with text:   %6d us to first paint, %6d KiB peak\n' "$xt" "$xm"
printf 'quiz:        %6d us to splash shown, %6d KiB peak\n' "$qt" "$qm"
printf 'in German:   %6d us to splash shown, %6d KiB peak\n' "$dt" "$dm"
awk -v qt="$qt" -v bt="$bt" -v qm="$qm" -v bm="$bm" -v xt="$xt" -v xm="$xm" -v dt="$dt" \
    -v dm="$dm" 'BEGIN {
    printf "ratio to the bare window: time %.2fx, memory %.2fx\n", qt / bt, qm / bm
    printf "ratio to the window with text: time %.2fx, memory %.2fx\n", qt / xt, qm / xm
    printf "German to English: time %.2fx, memory %.2fx\n", dt / qt, dm / qm
}'
