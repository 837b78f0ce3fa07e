#!/bin/bash
# Runs vantor-eval under valgrind's memcheck once for every input of the fuzz
# seed corpus (first byte: the angle unit, odd for radians; then rows
# "NAME=EXPRESSION", one a line; the last line is the expression).
# Fails on any invalid access or leak.
#   scripts/memcheck-corpus.sh VANTOR_EVAL CORPUS_DIR
set -u
eval_binary=$1
corpus=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT
failed=0
count=0
for input in "$corpus"/*; do
    content=$(cat "$input"; printf x)
    content=${content%x}
    unit=--degrees
    (( $(printf '%d' "'${content:0:1}") % 2 )) && unit=--radians
    mapfile -t lines <<<"${content:1}"
    arguments=("$unit")
    for ((i = 0; i + 1 < ${#lines[@]} && i < 5; i++)); do
        arguments+=(--var "${lines[i]}")
    done
    arguments+=(-- "${lines[${#lines[@]}-1]}")
    valgrind --quiet --log-file="$log" --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect,possible \
        "$eval_binary" "${arguments[@]}" >/dev/null 2>&1
    if [ $? -eq 99 ] || [ -s "$log" ]; then
        echo "memcheck: $input"
        cat "$log"
        failed=1
    fi
    count=$((count + 1))
done
echo "memcheck: $count inputs"
exit $failed
