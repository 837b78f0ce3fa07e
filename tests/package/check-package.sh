#!/bin/sh
# Checks packages that scripts/make-package.sh made, as Debian's tools do:
#  - lintian, every tag of every level failing, on the .changes files given;
#  - for a binary build, blhc on its log: every compiler and linker call had
#    the release's hardening flags, stack-clash and control-flow protection
#    among them where the release's dpkg enables these (Debian 13);
#  - hardening-check on each program in the binary packages: PIE, the stack
#    protector, RELRO and BIND_NOW. Two of its checks look at the program
#    for what blhc sees in the log, and cannot find it in a Debian program:
#    the fortification check wants a fortified call, and a C++ program may
#    have none (libstdc++ copies with the compiler's built-in memcpy, which
#    glibc never wraps); the control-flow check wants the IBT and SHSTK
#    property, which the linker keeps only when every object has it, and
#    Debian's C start files (Scrt1.o, crti.o) lack it: on Debian 13 even an
#    empty main built with -fcf-protection has none.
#   tests/package/check-package.sh CHANGES...
set -eu
lintian --pedantic --info --display-experimental \
    --fail-on error,warning,info,pedantic,experimental "$@"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
for changes in "$@"; do
    directory=$(dirname "$changes")
    for deb in $(sed -n 's/^ [0-9a-f]\{64\} [0-9]* \(vantor_.*\.deb\)$/\1/p' "$changes"); do
        dpkg-deb -x "$directory/$deb" "$unpacked"
        blhc "$directory/$(basename "$deb" .deb).build"
    done
done
ignore="--nofortify --nocfprotection"
# Newer versions also check arm64's branch protection on every architecture.
if hardening-check --help | grep -q -- --nobranchprotection && [ "$(dpkg --print-architecture)" != arm64 ]; then
    ignore="$ignore --nobranchprotection"
fi
for program in "$unpacked"/usr/bin/*; do
    [ -e "$program" ] || continue
    hardening-check $ignore "$program"
done
