#!/bin/sh
# Vantor on Debian 13, from this machine, in the Debian 13 root that
# scripts/debian13.sh keeps:
#  - make test on a copy of the clone's files (those git tracks or would
#    add), made afresh in the root's /root/vantor;
#  - the Debian package built here installed there with apt, as a user of
#    Debian 13 would install it; its vantor-eval computes the worked example
#    and its vantor opens its window (offscreen) and keeps running until
#    closed; then the package is purged, leaving the root as it was.
#   tests/package/debian13-test.sh PACKAGE_DIR
# PACKAGE_DIR holds the vantor_*.deb that make package made.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
sources=$(cd "$here/../.." && pwd)
package=$(ls "$(cd "$1" && pwd)"/vantor_*.deb)
enter=$sources/scripts/debian13.sh

echo "debian13-test: make test on a copy of $sources"
cd "$sources"
git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - |
    "$enter" sh -euc 'rm -rf /root/vantor && mkdir /root/vantor && tar -xf - -C /root/vantor'
"$enter" sh -euc 'cd /root/vantor && make test'

echo "debian13-test: $(basename "$package") installed with apt"
"$enter" sh -euc '
    trap "apt-get purge -y -q vantor >/dev/null" EXIT
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$1"
    result=$(vantor-eval "2 + 3 * SIN(30)")
    echo "vantor-eval: 2 + 3 * SIN(30) = $result"
    [ "$result" = 3.49999999844557 ]
    QT_QPA_PLATFORM=offscreen vantor &
    sleep 3
    kill -0 $! || { echo "vantor ended on its own"; exit 1; }
    kill $!
    echo "vantor: the window opened and ran until it was closed"
' sh "$package"
