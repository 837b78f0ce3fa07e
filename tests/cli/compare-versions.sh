#!/usr/bin/env bash
# Compares two vantor-eval builds on the same generated input: standard output,
# standard error and exit status must be the same, byte for byte.
#
#     tests/cli/compare-versions.sh OLD_VANTOR_EVAL NEW_VANTOR_EVAL [LINES]
#
# LINES (default 2,000,000) are shared out among the runs: every variable set
# below, once in degrees and once in radians. About one line in 5,000 is
# 32,700 to 32,800 characters long. The input comes from generate-lines.py,
# seeded by the run's number and VANTOR_COMPARE_SEED (default 1), so that a
# difference can be brought back with the command it prints.
#
# Exit status: 0 when the two agree everywhere, 1 when they differ, 2 for a
# usage error or a failed generator.
set -euo pipefail

usage() {
    echo "usage: $0 OLD_VANTOR_EVAL NEW_VANTOR_EVAL [LINES]" >&2
    exit 2
}

[[ $# -ge 2 && $# -le 3 ]] || usage
old=$1
new=$2
total_lines=${3:-2000000}
base_seed=${VANTOR_COMPARE_SEED:-1}
[[ $total_lines =~ ^[0-9]+$ && $total_lines -gt 0 ]] || usage
[[ $base_seed =~ ^[0-9]+$ ]] || { echo "$0: VANTOR_COMPARE_SEED must be a number" >&2; exit 2; }
for binary in "$old" "$new"; do
    [[ -x $binary && ! -d $binary ]] || { echo "$0: not an executable: $binary" >&2; exit 2; }
done
generator=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/generate-lines.py

# The variable rows of each run, definitions separated by ";": none; one; two;
# names that are prefixes of each other; names the lower-cased, blank-free
# text can never hold; names holding "pi", a function's name or the exponent
# letter; a row that faults; a row in error (every use of a variable then
# gives "Error."); five rows; extreme values and a bracket in a name; rows in
# error of other kinds (a malformed exponent, no name, no expression).
variable_sets=(
    ''
    'x=2*3'
    'x=-5;y=1/3'
    'a=1;ab=2;abc=3'
    'Rate=2;my var=3;Y=4'
    'cost=1;pix=2;api=3;sine=4;e=5'
    'z=1/0;x=2'
    'w=2*q;x=2'
    'x=1.5;y=2^10;ab=0-3;cost=pi/4;t=sin(30)'
    'big=fac(18);t=10^(0-320);f(=3;x=1e300;n=1.5e7'
    'n=0-1.5e-7;x=2;=5;y='
)
units=(--degrees --radians)
runs=$((${#variable_sets[@]} * ${#units[@]}))
per_run=$(((total_lines + runs - 1) / runs))
long_per_run=$(((per_run + 4999) / 5000))

work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-compare.XXXXXX")
generating=
# The generator may still be writing the next run's input.
trap 'if [[ -n $generating ]]; then kill "$generating" 2>/dev/null || true; fi; rm -rf "$work"' EXIT

start=$(date +%s%N)
compared=0
long_lines=0
differences=0
differing_runs=0
shown=0
max_shown=20

# Prints a line of a file, cut short when long; cat -v shows control characters
# and bytes outside ASCII (M-...), so that two lines that differ look different.
show_line() {
    local text
    text=$(sed -n "$2{p;q}" "$1" | cat -v)
    if ((${#text} > 160)); then
        printf '%s... (%d in all)\n' "${text:0:160}" "${#text}"
    else
        printf '%s\n' "$text"
    fi
}

# Reports the differences of one run; its input, outputs and settings are in
# the files of the work directory.
report() {
    local run=$1 seed=$2 status_old=$3 status_new=$4
    shift 4
    local args=("$@")
    echo "== run $run differs: ${args[*]}"
    echo "   again: $generator $seed $per_run --long $long_per_run |"
    echo "          $old$(printf ' %q' "${args[@]}")"
    if ((status_old != status_new)); then
        echo "   exit status: old $status_old, new $status_new"
    fi
    if ! cmp -s "$work/old.err" "$work/new.err"; then
        echo "   standard error differs:"
        diff "$work/old.err" "$work/new.err" | head -n 10 | sed 's/^/     /' || true
    fi
    local lines
    lines=$(paste -d $'\037' "$work/old.out" "$work/new.out" |
        awk -F $'\037' '$1 != $2 { n++; if (n <= 10) print NR } END { print "count", n + 0 }')
    local count=${lines##*count }
    if ((count > 0)); then
        echo "   $count output lines differ; the first:"
    fi
    local n
    for n in ${lines%count *}; do
        if ((shown >= max_shown)); then
            echo "   (no more shown)"
            break
        fi
        shown=$((shown + 1))
        echo "   line $n: $(show_line "$work/in" "$n")"
        echo "     old: $(show_line "$work/old.out" "$n")"
        echo "     new: $(show_line "$work/new.out" "$n")"
    done
    differences=$((differences + (count > 0 ? count : 1)))
    differing_runs=$((differing_runs + 1))
}

# Counts the kinds of output line: each message, and numbers.
tally() {
    awk '
        /^Fault: / || /^Error/ { kind[$0]++; next }
        /^-?[0-9]+(\.[0-9]+)?$/ { kind["number"]++; next }
        /^-?[0-9]+(\.[0-9]+)?E[-+][0-9]+$/ { kind["number, exponent form"]++; next }
        { kind["other: " substr($0, 1, 60)]++ }
        END { for (k in kind) print kind[k] "\t" k }
    ' "$1" >>"$work/tally"
    sed 's/^row [0-9]*:/row N:/; s/^/standard error: /' "$2" |
        awk '{ kind[$0]++ } END { for (k in kind) print kind[k] "\t" k }' >>"$work/tally"
}

generate() {
    python3 "$generator" "$1" "$per_run" --long "$long_per_run" >"$work/next"
}

seed_of() {
    echo $((base_seed * 1000 + $1))
}

echo "comparing $old and $new: $runs runs of $per_run lines ($long_per_run long)"
generate "$(seed_of 0)" &
generating=$!
run=0
for set in "${variable_sets[@]}"; do
    for unit in "${units[@]}"; do
        wait "$generating" || { echo "$0: $generator failed" >&2; exit 2; }
        generating=
        mv "$work/next" "$work/in"
        if ((run + 1 < runs)); then
            generate "$(seed_of $((run + 1)))" &
            generating=$!
        fi
        args=("$unit")
        if [[ -n $set ]]; then
            IFS=';' read -ra definitions <<<"$set"
            for definition in "${definitions[@]}"; do
                args+=(--var "$definition")
            done
        fi
        status_old=0
        status_new=0
        # Both at once; the status of the one in the background comes back through wait.
        "$old" "${args[@]}" <"$work/in" >"$work/old.out" 2>"$work/old.err" &
        old_pid=$!
        "$new" "${args[@]}" <"$work/in" >"$work/new.out" 2>"$work/new.err" || status_new=$?
        wait "$old_pid" || status_old=$?
        if ((status_old != status_new)) || ! cmp -s "$work/old.out" "$work/new.out" ||
            ! cmp -s "$work/old.err" "$work/new.err"; then
            report "$run" "$(seed_of "$run")" "$status_old" "$status_new" "${args[@]}"
        fi
        tally "$work/new.out" "$work/new.err"
        compared=$((compared + $(wc -l <"$work/in")))
        long_lines=$((long_lines + long_per_run))
        run=$((run + 1))
    done
done

elapsed=$((($(date +%s%N) - start) / 1000000))
echo
echo "output lines of the new build, by kind:"
awk -F '\t' '{ n[$2] += $1 } END { for (k in n) printf "%10d  %s\n", n[k], k }' "$work/tally" |
    sort -k1,1nr
missing=()
for kind in 'Fault: Overflow' 'Fault: Division by zero' 'Fault: Subscript out of range' \
    'Fault: Type mismatch' 'Fault: Invalid procedure call or argument' 'Fault: Out of stack space' \
    'Error. No Text' 'Error. Wrong Parenthisation' 'Error. Wrong Arrangement of Operands' \
    'Error. Wrong Arrangement of Parenthesis' 'Error. Function with no Paranthesis' \
    'Error. Wrong Exponential Number' 'Error. Unknown Identifier' 'Error.'; do
    grep -qxF "$kind" <(cut -f2 "$work/tally") || missing+=("$kind")
done
if ((${#missing[@]} > 0)); then
    echo "never seen (too few lines?):"
    printf '  %s\n' "${missing[@]}"
fi
echo
echo "lines compared: $compared ($long_lines long)"
echo "runs: $runs"
echo "differences: $differences lines in $differing_runs runs"
printf 'time: %d.%03d s\n' $((elapsed / 1000)) $((elapsed % 1000))
((differences == 0)) || exit 1
