#!/bin/bash
# The same 100,000 generated lines of arithmetic through vantor-eval and through
# bc -l, in one run: time per line for each, and their ratio. Each program
# reads the lines RUNS times, the two in turn; the medians are compared. The
# start-up, each program on an empty input, is shown beside them.
#   bench/vs-bc.sh [VANTOR_EVAL] [LINES] [RUNS]
set -eu
eval_binary=${1:-build/release/tools/vantor-eval}
count=${2:-100000}
runs=${3:-5}
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

elapsed() { # INPUT COMMAND...: microseconds that the command takes, no process but its own timed
    local input=$1 t0=${EPOCHREALTIME/./} t1
    shift
    "$@" <"$input" >/dev/null
    t1=${EPOCHREALTIME/./}
    echo $((t1 - t0))
}

median() { # of the numbers given
    printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"
}

"$eval_binary" <"$lines" >/dev/null # warm the caches
bc -l <"$lines" >/dev/null
vantor_runs=() bc_runs=() vantor_starts=() bc_starts=()
for ((run = 0; run < runs; run++)); do
    vantor_runs+=("$(elapsed "$lines" "$eval_binary")")
    bc_runs+=("$(elapsed "$lines" bc -l)")
    vantor_starts+=("$(elapsed /dev/null "$eval_binary")")
    bc_starts+=("$(elapsed /dev/null bc -l)")
done
vantor=$(median "${vantor_runs[@]}") vantor_start=$(median "${vantor_starts[@]}")
bc=$(median "${bc_runs[@]}") bc_start=$(median "${bc_starts[@]}")
printf 'lines: %d, medians of %d runs\n' "$count" "$runs"
printf 'vantor-eval %8.2f us/line (start-up %.1f ms)\n' "$(bc -l <<<"$vantor / $count")" "$(bc -l <<<"$vantor_start / 1000")"
printf 'bc -l       %8.2f us/line (start-up %.1f ms)\n' "$(bc -l <<<"$bc / $count")" "$(bc -l <<<"$bc_start / 1000")"
printf 'bc -l takes %.1f times as long (%.1f times without the start-ups)\n' "$(bc -l <<<"$bc / $vantor")" \
    "$(bc -l <<<"($bc - $bc_start) / ($vantor - $vantor_start)")"
