#!/bin/bash
# Makes the Debian package twice from scratch and compares the two .deb files
# byte for byte. The first is made from these sources; the second from a copy
# of them elsewhere, whose files were all modified now, as in another checkout,
# in another build directory, under another umask, time zone and locale. On a
# difference it shows where the two differ: the ar members, the control and
# data archives' listings, and the files in them.
#   tests/package/reproducible-test.sh BUILD_DIR_A BUILD_DIR_B [JOBS]
set -eu
a=$1
b=$2
jobs=${3:-$(nproc)}
source=$(cd "$(dirname "$0")/../.." && pwd)

for build in "$a" "$b"; do
    if [ -e "$build" ] && [ ! -f "$build/CMakeCache.txt" ]; then
        echo "test-package: $build is not a build directory; not removing it" >&2
        exit 2
    fi
    rm -rf "$build"
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The copy is no git checkout: it is given the last commit's date, which the
# first takes from git (or, outside git, neither has one).
copy=$scratch/source
mkdir "$copy"
(cd "$source" && tar --exclude=./.git --exclude='./build*' -cf - .) | tar -xmf - -C "$copy"
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct 2>/dev/null || true)}

(umask 022 && env TZ=UTC LC_ALL=C "$source/scripts/make-package.sh" "$a" "$jobs")
(umask 002 && env TZ=Asia/Kathmandu LC_ALL=C.UTF-8 ${epoch:+SOURCE_DATE_EPOCH=$epoch} \
    "$copy/scripts/make-package.sh" "$b" "$jobs")

first=$(echo "$a"/vantor_*.deb)
second=$(echo "$b"/vantor_*.deb)
if cmp "$first" "$second"; then
    echo "test-package: $first and $second are the same, $(stat -c %s "$first") bytes"
    exit 0
fi

echo "test-package: $first and $second differ"
echo "--- ar members (dates, sizes)"
diff <(ar tvO "$first") <(ar tvO "$second") || true
echo "--- control and data archives"
diff <(dpkg-deb -I "$first") <(dpkg-deb -I "$second") || true
diff <(dpkg-deb -c "$first") <(dpkg-deb -c "$second") || true
echo "--- files"
dpkg-deb -R "$first" "$scratch/a"
dpkg-deb -R "$second" "$scratch/b"
(cd "$scratch" && find a -type f | sort | while read -r file; do
    cmp "$file" "b/${file#a/}" || true
done)
exit 1
