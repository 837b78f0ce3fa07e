#!/bin/bash
# Builds the binary packages twice from one source package, as a distribution
# rebuilds it, and compares the two builds' .deb files byte for byte: the
# first in BUILD_DIR_A, the second in BUILD_DIR_B under another umask, time
# zone and locale. Both skip the tests (nocheck), which make package runs. On
# a difference it shows where the two differ: the ar members, the control and
# data archives' listings, and the files in them.
#   tests/package/reproducible-test.sh DSC BUILD_DIR_A BUILD_DIR_B [JOBS]
set -eu
dsc=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
a=$2
b=$3
jobs=${4:-$(nproc)}

# build DIR UMASK TZ LOCALE: the source unpacked in DIR and built there.
build() {
    rm -rf "$1"
    mkdir -p "$1"
    (cd "$1" && umask "$2" && dpkg-source -x "$dsc" source >/dev/null &&
        cd source && env TZ="$3" LC_ALL="$4" DEB_BUILD_OPTIONS="nocheck parallel=$jobs" \
            dpkg-buildpackage --build=binary --no-sign >../build.log 2>&1) ||
        { tail -n 30 "$1/build.log"; exit 1; }
}
build "$a" 022 UTC C
build "$b" 002 Asia/Kathmandu C.UTF-8

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for first in "$a"/*.deb; do
    second=$b/$(basename "$first")
    if cmp "$first" "$second"; then
        echo "test-package: $(basename "$first") is the same twice, $(stat -c %s "$first") bytes"
        continue
    fi
    status=1
    echo "test-package: $first and $second differ"
    echo "--- ar members (dates, sizes)"
    diff <(ar tvO "$first") <(ar tvO "$second") || true
    echo "--- control and data archives"
    diff <(dpkg-deb -I "$first") <(dpkg-deb -I "$second") || true
    diff <(dpkg-deb -c "$first") <(dpkg-deb -c "$second") || true
    echo "--- files"
    rm -rf "${scratch:?}"/*
    dpkg-deb -R "$first" "$scratch/a"
    dpkg-deb -R "$second" "$scratch/b"
    (cd "$scratch" && find a -type f | sort | while read -r file; do
        cmp "$file" "b/${file#a/}" || true
    done)
done
ls "$a"/vantor-dbgsym_*.deb >/dev/null 2>&1 || { echo "test-package: no -dbgsym package in $a"; status=1; }
exit $status
