#!/bin/sh
# Builds the Debian package of a Release build: BUILD_DIR/vantor_VERSION_ARCH.deb,
# the same bytes from the same commit (see CPack in CMakeLists.txt).
#   scripts/make-package.sh BUILD_DIR [JOBS]
set -eu
build=$1
jobs=${2:-$(nproc)}
# cpack gives the package's own members the modes its files have: fix them as
# dpkg-buildpackage does.
umask 022

cmake -S "$(dirname "$0")/.." -B "$build" -DCMAKE_BUILD_TYPE=Release -DVANTOR_BUILD_TESTS=OFF -DVANTOR_FUZZ=OFF
cmake --build "$build" -j "$jobs"
cd "$build" && cpack -G DEB
