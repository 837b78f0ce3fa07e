#!/bin/sh
# Fetches and unpacks a Debian source package into a folder of its own: the
# Windows build compiles Qt and the C library's mathematics from Debian's own
# sources. apt needs deb-src entries for that; as root this adds them, in a
# file of their own that mirrors the machine's deb entries, otherwise it says
# what to run.
#   scripts/debian-source.sh PACKAGE DIRECTORY [VERSION]...
# With versions given, the first of them whose files the registry serves;
# without, the newest. Prints the path of the unpacked source tree, its only
# output; says so and fails when nothing could be fetched.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
package=$1
directory=$2
shift 2

has_sources() {
    [ -n "$(apt-cache showsrc "$package" 2>/dev/null | head -n 1)" ]
}

if ! has_sources; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "$0: apt has no source entries; as root, add deb-src lines beside the deb ones" >&2
        echo "  (or run this script as root), then: apt-get update" >&2
        exit 1
    fi
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            >/etc/apt/sources.list.d/vantor-deb-src.sources
    fi
    if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/vantor-deb-src.list
    fi
    apt-get update -qq >&2
    has_sources || { echo "$0: still no source package $package" >&2; exit 1; }
fi

command -v dpkg-source >/dev/null || "$here/ensure-packages.sh" dpkg-dev >&2
mkdir -p "$directory"
cd "$directory"
if ! ls -d "$package"-*/ >/dev/null 2>&1; then
    [ $# -gt 0 ] || set -- ""
    for version in "$@"; do
        if apt-get source -qq "$package${version:+=$version}" >&2; then
            break
        fi
        echo "$0: the registry does not serve $package ${version:-(newest)}" >&2
        rm -rf "$package"-*/ # what was unpacked; the files fetched may serve the next
    done
fi
if ! ls -d "$package"-*/ >/dev/null 2>&1; then
    echo "$0: could not fetch the source of $package ${*:-}" >&2
    exit 1
fi
cd "$(ls -d "$package"-*/ | head -n 1)" && pwd
