#!/bin/sh
# Builds Vantor's Debian packages as Debian builds them: dpkg-buildpackage on
# debian/, in a folder of their own, on the release this runs on.
#   scripts/make-package.sh source DIR         the source package: DIR/vantor_VERSION.dsc,
#                                              its orig tarball and its debian tarball
#   scripts/make-package.sh binary DIR [JOBS]  the binary packages: DIR/vantor_VERSION_ARCH.deb
#                                              and vantor-dbgsym_VERSION_ARCH.deb, the tests run,
#                                              and the build's log, DIR/vantor_VERSION_ARCH.build
# Both start from the orig tarball: the files git tracks or would add, less
# debian/, the same bytes from the same files (sorted, owned by root, dated
# by debian/changelog); DIR/vantor-UPSTREAM is that tarball unpacked with
# debian/ added. The build's dependencies, read from debian/control, are
# installed with apt when missing (as root).
set -eu
kind=$1
out=$2
jobs=${3:-$(nproc)}
sources=$(cd "$(dirname "$0")/.." && pwd)

cd "$sources"
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
epoch=$(dpkg-parsechangelog -S Timestamp)

# tar_of PATHSPEC...: what git tracks or would add under those paths, as a tar.
tar_of() {
    git ls-files -z --cached --others --exclude-standard -- "$@" |
        tar --null --files-from=- --ignore-failed-read --sort=name --mtime=@"$epoch" \
            --owner=0 --group=0 --numeric-owner --mode=a+rX,u+w,go-w --format=gnu \
            --transform="s,^,vantor-$upstream/," -cf -
}

if [ -n "$(ls -A "$out" 2>/dev/null)" ] && ! ls "$out"/vantor_*.orig.tar.gz >/dev/null 2>&1; then
    echo "make-package: $out holds something else than a package build; not removing it" >&2
    exit 2
fi
rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
tree=$out/vantor-$upstream
tar_of . ':!:debian' | gzip -9 -n >"$out/vantor_$upstream.orig.tar.gz"
tar -xzf "$out/vantor_$upstream.orig.tar.gz" -C "$out"
tar_of debian | tar -xf - -C "$out"

cd "$tree"
case $kind in
source)
    dpkg-buildpackage --build=source --no-sign --no-check-builddeps
    ;;
binary)
    if ! dpkg-checkbuilddeps 2>/dev/null; then
        if [ "$(id -u)" -ne 0 ]; then
            dpkg-checkbuilddeps || true
            echo "make-package: as root: apt-get build-dep $sources" >&2
            exit 1
        fi
        DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q --no-install-recommends "$tree"
    fi
    # The log beside the packages, as Debian's tools name it: blhc reads the
    # flags of every compiler and linker call in it.
    log=$out/vantor_${version}_$(dpkg --print-architecture).build
    echo "make-package: building; the log goes to $log"
    dpkg-buildpackage --build=binary --no-sign --jobs="$jobs" >"$log" 2>&1 ||
        { tail -n 60 "$log"; exit 1; }
    ;;
*)
    echo "usage: $0 source|binary DIR [JOBS]" >&2
    exit 2
    ;;
esac
