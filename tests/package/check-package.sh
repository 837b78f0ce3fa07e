#!/bin/sh
# Checks packages that scripts/make-package.sh made, as Debian's tools do:
#  - lintian, every tag of every level failing, on the .changes files given;
#  - for a binary build, blhc on its log: every compiler and linker call had
#    the release's hardening flags;
#  - hardening-check on each program in the binary packages: PIE, the stack
#    protector, RELRO and BIND_NOW, and control-flow protection where the
#    release's dpkg enables it (Debian 13; Debian 12's C start files lack
#    the property, so no program of Debian 12 has it). Its fortification
#    check looks for a fortified call in the program, and a C++ program may
#    have none: libstdc++ copies with the compiler's built-in memcpy, which
#    glibc's fortification never wraps. That blhc saw _FORTIFY_SOURCE on
#    every compile is the check of it.
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
ignore=--nofortify
DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --query-features hardening |
    grep -A1 -x 'Feature: branch' | grep -q -x 'Enabled: yes' || ignore="$ignore --nocfprotection"
for program in "$unpacked"/usr/bin/*; do
    [ -e "$program" ] || continue
    hardening-check $ignore "$program"
done
