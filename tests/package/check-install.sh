#!/bin/sh
# Installs the build into a temporary prefix and checks the tree.
#   tests/package/check-install.sh BUILD_DIR tree        what is installed, and where
#   tests/package/check-install.sh BUILD_DIR validators  the desktop entry and the
#                                                        AppStream data, by their
#                                                        validators (skipped, exit 77,
#                                                        when they are missing)
set -eu
build=$1
what=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.vantor.Vantor
case $what in
tree)
    missing=0
    # Every picture of the icon in the sources, data/icons/SIZE/, in its size.
    pictures=
    for picture in "$(dirname "$0")"/../../data/icons/*/$id.png; do
        size=$(basename "$(dirname "$picture")")
        pictures="$pictures share/icons/hicolor/${size}x$size/apps/$id.png"
    done
    for file in bin/vantor bin/vantor-eval \
        share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
        share/icons/hicolor/scalable/apps/$id.svg $pictures \
        share/man/man1/vantor.1.gz share/man/man1/vantor-eval.1.gz; do
        if [ ! -s "$prefix/$file" ]; then
            echo "missing: $file"
            missing=1
        fi
    done
    for page in "$prefix"/share/man/man1/*.gz; do
        gzip -t "$page" || missing=1
    done
    [ -x "$prefix/bin/vantor-eval" ] && [ "$("$prefix/bin/vantor-eval" 1+1)" = 2 ] || missing=1
    extra=$(cd "$prefix" && find . -type f | grep -v -E '^\./(bin|share/(applications|metainfo|icons|man))/' || true)
    if [ -n "$extra" ]; then
        echo "installed but not expected: $extra"
        missing=1
    fi
    exit $missing
    ;;
validators)
    command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || exit 77
    desktop-file-validate "$prefix/share/applications/$id.desktop"
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
    ;;
esac
