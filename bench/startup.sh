#!/bin/bash
# Start-up of Vantor against a bare Qt window of the same client size, both
# built Release by this project: time from exec to the first frame, in one
# alternating run under Xvfb, with medians and their ratio; the resident
# memory each holds once shown; and, free of noise, the instructions each
# executes from exec to the first frame under callgrind (offscreen). A third
# window, the bare one showing a line of text, tells what loading the fonts costs.
# Vantor runs as bench/vantor_first_frame, its own start-up with a hook that
# reports the first frame; the build needs -DVANTOR_BUILD_BENCH=ON (make bench).
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -eu
build=${1:-build/release}
runs=${2:-21}
vantor=$build/bench/vantor_first_frame
bare=$build/bench/bare_window

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# One start: microseconds to the first frame, and resident kilobytes then.
start() {
    local t0 out t1
    t0=$(date +%s%N)
    out=$("$@" 2>/dev/null)
    t1=$(awk '/first-frame-ns/ {print $2}' <<<"$out")
    echo "$(( (t1 - t0) / 1000 )) $(awk '/resident-kb/ {print $2}' <<<"$out")"
}

measure() {
    local times=("" "" "") rss=("" "" "")
    local programs=("$vantor" "$bare" "$bare --text")
    for p in 0 1 2; do start ${programs[p]} >/dev/null; done # warm the caches
    for ((i = 0; i < runs; i++)); do
        for p in 0 1 2; do
            read -r t m < <(start ${programs[p]})
            times[p]+="$t "
            rss[p]+="$m "
        done
    done
    local t=() m=()
    for p in 0 1 2; do
        t[p]=$(tr ' ' '\n' <<<"${times[p]}" | grep . | median)
        m[p]=$(tr ' ' '\n' <<<"${rss[p]}" | grep . | median)
    done
    printf 'first frame, median of %d alternating runs under Xvfb:\n' "$runs"
    printf '  vantor %7.1f ms   bare %7.1f ms (ratio %.3f)   bare with text %7.1f ms (ratio %.3f)\n' \
        "$(bc -l <<<"${t[0]}/1000")" "$(bc -l <<<"${t[1]}/1000")" "$(bc -l <<<"${t[0]}/${t[1]}")" \
        "$(bc -l <<<"${t[2]}/1000")" "$(bc -l <<<"${t[0]}/${t[2]}")"
    printf 'resident memory once shown:\n'
    printf '  vantor %7.1f MB   bare %7.1f MB (ratio %.3f)   bare with text %7.1f MB (ratio %.3f)\n' \
        "$(bc -l <<<"${m[0]}/1024")" "$(bc -l <<<"${m[1]}/1024")" "$(bc -l <<<"${m[0]}/${m[1]}")" \
        "$(bc -l <<<"${m[2]}/1024")" "$(bc -l <<<"${m[0]}/${m[2]}")"
}

# Instructions from exec to the first frame: callgrind writes what it counted
# so far when the report of the first frame begins (first_frame.h), so the
# first part leaves out what happens after it (the icon, the ending).
instructions() {
    local out
    out=$(mktemp -d)
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$out/callgrind" \
        --dump-before='vantor::bench::FirstFrameReporter::report*' "$@" >/dev/null 2>&1
    awk '/^totals:/ {print $2}' "$out/callgrind.1"
    rm -rf "$out"
}

if [ "${INSIDE_XVFB:-}" = 1 ]; then
    measure
    exit 0
fi
INSIDE_XVFB=1 xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$build" "$runs"
vi=$(instructions "$vantor")
bi=$(instructions "$bare")
ti=$(instructions "$bare" --text)
printf 'instructions from exec to the first frame (callgrind, offscreen):\n'
printf '  vantor %d   bare %d (ratio %.3f)   bare with text %d (ratio %.3f)\n' \
    "$vi" "$bi" "$(bc -l <<<"$vi/$bi")" "$ti" "$(bc -l <<<"$vi/$ti")"
