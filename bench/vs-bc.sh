#!/bin/bash
# The same 10,000 generated lines of arithmetic through vantor-eval and through
# bc -l, in one run: time per line for each, and their ratio.
#   bench/vs-bc.sh [VANTOR_EVAL] [LINES]
set -eu
eval_binary=${1:-build/release/tools/vantor-eval}
count=${2:-10000}
lines=$(mktemp)
trap 'rm -f "$lines"' EXIT

# Sums, differences, products and quotients of small decimals, some bracketed.
awk -v n="$count" 'BEGIN {
    srand(20261207)
    split("+ - * /", ops, " ")
    for (i = 0; i < n; i++) {
        line = ""
        terms = 2 + int(rand() * 5)
        for (t = 0; t < terms; t++) {
            number = int(rand() * 1000) / (rand() < 0.5 ? 1 : 100) + 1
            if (t > 0)
                line = line " " ops[1 + int(rand() * 4)] " "
            line = line (rand() < 0.2 ? "(" number " + " int(rand() * 10) ")" : number)
        }
        print line
    }
}' >"$lines"

elapsed() { # nanoseconds that the command takes on the lines
    local t0 t1
    t0=$(date +%s%N)
    "$@" <"$lines" >/dev/null
    t1=$(date +%s%N)
    echo $((t1 - t0))
}

"$eval_binary" <"$lines" >/dev/null # warm the caches
bc -l <"$lines" >/dev/null
vantor=$(elapsed "$eval_binary")
bc=$(elapsed bc -l)
printf 'lines: %d\n' "$count"
printf 'vantor-eval %8.2f us/line\n' "$(bc -l <<<"$vantor / $count / 1000")"
printf 'bc -l       %8.2f us/line\n' "$(bc -l <<<"$bc / $count / 1000")"
printf 'bc -l takes %.1f times as long\n' "$(bc -l <<<"$bc / $vantor")"
