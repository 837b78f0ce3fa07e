#!/bin/sh
# The Windows build's runner, BUILD_DIR/run-under-wine.sh, as other programs
# call it: with a HOME of their own it runs the program in the Debian 13
# root the build was made in, and a SIGTERM sent to it ends the program,
# leaving no process of it behind.
#   tests/windows/runner-test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
runner=$build/run-under-wine.sh
program=$build/tools/vantor-eval.exe
work=$(mktemp -d)
runner_pid=
trap 'exec 4>&-; kill $runner_pid 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "runner-test: $*" >&2
    exit 1
}

# within SECONDS COMMAND...: whether COMMAND succeeds within SECONDS.
within() {
    tries=$(($1 * 10))
    shift
    until "$@"; do
        [ $((tries -= 1)) -gt 0 ] || return 1
        sleep 0.1
    done
}

mkdir "$work/home"
result=$(HOME=$work/home "$runner" "$program" 1+1) || fail "with another HOME: status $?"
[ "$result" = "$(printf '2\r')" ] || fail "with another HOME: printed \"$result\", not 2"

# The program waits for a line on its standard input, a pipe kept open here;
# what has that pipe as its input is the runner's and the program's.
mkfifo "$work/input"
"$runner" "$program" <"$work/input" >/dev/null 2>"$work/errors" &
runner_pid=$!
exec 4>"$work/input"
readers() {
    for process in /proc/[0-9]*; do
        if [ "$process/fd/0" -ef "$work/input" ]; then echo "${process#/proc/}"; fi
    done
}
program_runs() {
    for pid in $(readers); do
        ! grep -qx vantor-eval.exe "/proc/$pid/comm" 2>/dev/null || return 0
    done
    return 1
}
runner_ended() { ! grep -q '^[0-9]* (.*) [^Z] ' "/proc/$runner_pid/stat" 2>/dev/null; }
none_left() { [ -z "$(readers)" ]; }
within 60 program_runs || fail "vantor-eval.exe did not start: $(cat "$work/errors")"
kill -TERM "$runner_pid"
within 30 runner_ended || fail "the runner outlived SIGTERM by 30 s"
wait "$runner_pid" || true
! kill -0 "$runner_pid" 2>/dev/null || fail "the runner's process is still there"
within 30 none_left || fail "processes of the program outlived the runner: $(readers)"
runner_pid=
echo "runner-test: passed"
