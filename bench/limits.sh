#!/bin/bash
# The longest texts vantor-eval accepts (32,766 characters or just under), of
# each shape, and each at half that length: wall time and peak resident
# memory of one vantor-eval process per text, by GNU time.
#   bench/limits.sh [VANTOR_EVAL]
set -eu
eval_binary=${1:-build/release/tools/vantor-eval}
longest=32766

chain() { # TERM LENGTH: terms joined by "+", at most LENGTH characters
    awk -v term="$1" -v n="$2" 'BEGIN { s = term; while (length(s) + 1 + length(term) <= n) s = s "+" term; print s }'
}
nest() { # OPENING INNER LENGTH: the deepest nest that fits
    awk -v open="$1" -v inner="$2" -v n="$3" 'BEGIN {
        depth = int((n - length(inner)) / (length(open) + 1)); s = ""
        for (i = 0; i < depth; i++) s = s open
        s = s inner
        for (i = 0; i < depth; i++) s = s ")"
        print s }'
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf '%-16s %7s %10s %9s  %s\n' shape chars seconds "peak MB" result
for length in $((longest / 2)) $longest; do
    for shape in pi sin exponent variable function-nest bracket-nest; do
        arguments=()
        case $shape in
        pi) text=$(chain pi "$length") ;;
        sin) text=$(chain 'sin(1)' "$length") ;;
        exponent) text=$(chain 1e5 "$length") ;;
        variable) text=$(chain x "$length"); arguments=(--var 'x=1+1') ;;
        function-nest) text=$(nest 'abs(' 1 "$length") ;;
        bracket-nest) text=$(nest '(' 1 "$length") ;;
        esac
        /usr/bin/time -o "$scratch/time" -f '%e %M' "$eval_binary" "${arguments[@]}" -- "$text" >"$scratch/out" 2>/dev/null || true
        read -r seconds kilobytes < <(tail -n 1 "$scratch/time")
        printf '%-16s %7d %10s %9.1f  %s\n' "$shape" "${#text}" "$seconds" "$(bc -l <<<"$kilobytes/1024")" "$(head -c 40 "$scratch/out")"
    done
done
