#!/bin/sh
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, with
# mingw-w64 and cmake/mingw-w64.cmake: Core, Gui, Widgets and Test as DLLs,
# the windows, offscreen and minimal platform plugins and the windowsvista
# style. Qt's code generators (moc, rcc, uic) are the host's, from
# qt6-base-dev-tools, so the version built is the host Qt's.
#   scripts/qt-windows.sh
# Installs into $VANTOR_CACHE/qt6-<version>-mingw-w64-<hash of this script
# and the toolchain file> (VANTOR_CACHE defaults to ~/.cache/vantor), outside
# any build tree, and strips what it installs.
# When that prefix is complete already it does nothing. Prints the prefix as
# the last line of its output; everything else goes to standard error.
# VANTOR_JOBS sets how many compilers run at once (default: one per core).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
exec 3>&1 1>&2
. "$here/cache.sh"

triplet=x86_64-w64-mingw32
"$here/ensure-packages.sh" g++-mingw-w64-x86-64-posix cmake ninja-build \
    qt6-base-dev qt6-base-dev-tools dpkg-dev

# The host Qt decides the version: its tools generate code for this build.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/^[0-9]*://; s/[+~-].*//')
inputs=$(cat "$0" "$here/../cmake/mingw-w64.cmake" | sha256sum | cut -c 1-12)
prefix=$cache/qt6-$host_version-mingw-w64-$inputs
work=$cache/qt6-$host_version-mingw-w64-work

cache_enter qt-windows "$prefix"

started=$(date +%s)
# The source tree is fetched again unless it was unpacked completely.
if [ ! -f "$work/source.path" ]; then
    rm -rf "$work/source"
    mkdir -p "$work"
    "$here/debian-source.sh" qt6-base "$work/source" >"$work/source.part"
    mv "$work/source.part" "$work/source.path"
fi
source=$(cat "$work/source.path")
source_version=$(basename "$source" | sed 's/^qt6-base-//; s/[+~-].*//')
if [ "$source_version" != "$host_version" ]; then
    echo "qt-windows: Debian's qt6-base source is $source_version, the host Qt is $host_version;" >&2
    echo "  bring them to the same version (apt-get upgrade qt6-base-dev), remove $work, retry" >&2
    exit 1
fi

# What Vantor needs, with everything Qt would otherwise find on its own
# (zlib, pcre2, libpng, HarfBuzz, FreeType) built from the bundled copies.
# Debian's tarball lacks src/3rdparty/wintab: no tablet events. Without
# OpenGL, dynamicgl would still be on. Text is drawn with DirectWrite, Qt's
# default on Windows, whose font database needs Direct2D built too. Of the
# Windows styles only windowsvista, which draws the system's own controls.
# The same Qt built in another cache is the same bytes: the paths of the
# sources and the build, which the DLLs keep in their messages, are written
# relative to the work folder, and the times the linker writes into each DLL
# (its header's and its export table's) are the source's own date.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Timestamp)
export SOURCE_DATE_EPOCH
build=$work/build
cmake -S "$source" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS="-ffile-prefix-map=$work/=" -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$work/=" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_pkg_config=OFF -DFEATURE_androiddeployqt=OFF \
    -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON -DFEATURE_png=ON \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
    -DFEATURE_style_windowsvista=ON -DFEATURE_style_windows11=OFF

cmake --build "$build" --parallel "${VANTOR_JOBS:-$(nproc)}"
rm -rf "$prefix"
cmake --install "$build"
unstripped=$(du -sk "$prefix" | cut -f 1)
find "$prefix" -name '*.dll' -exec "$triplet-strip" --strip-unneeded {} +
stripped=$(du -sk "$prefix" | cut -f 1)

date -u '+%Y-%m-%dT%H:%M:%SZ' >"$stamp"
rm -rf "$work"
echo "qt-windows: built in $(($(date +%s) - started)) s; installed $((unstripped / 1024)) MiB," \
    "$((stripped / 1024)) MiB stripped" >&2
echo "$prefix" >&3
