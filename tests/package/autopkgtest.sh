#!/bin/sh
# debian/tests against the binary packages that make package made, with
# autopkgtest's null runner: the machine it runs on is the one it tests on,
# so it runs in a root of the packages' release (scripts/debian-root.sh),
# never on a machine of its own. The package is purged afterwards; what its
# tests needed stays, for the next run.
#   tests/package/autopkgtest.sh PACKAGE_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../scripts/ensure-packages.sh" autopkgtest
trap 'apt-get purge -y -q vantor >/dev/null' EXIT
autopkgtest "$1"/vantor-*/ "$1"/*.deb -- null
