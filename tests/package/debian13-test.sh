#!/bin/sh
# Vantor on Debian 13, from this machine, in the Debian 13 root that
# scripts/debian13.sh keeps, on a copy of the clone (the files git tracks or
# would add, and its history) made afresh in the root's /root/vantor:
#  - make test;
#  - make package and make test-package: Debian 13's own packages, built
#    there for Debian 13 and checked, and built twice from the source package;
#  - autopkgtest with the null runner, the root being the machine it tests
#    on: debian/tests against the package installed there with apt, which is
#    purged afterwards, leaving the root as it was.
#   tests/package/debian13-test.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
sources=$(cd "$here/../.." && pwd)
enter=$sources/scripts/debian13.sh

echo "debian13-test: a copy of $sources in the root's /root/vantor"
cd "$sources"
{ git ls-files -z --cached --others --exclude-standard; printf '.git\0'; } |
    tar --null --files-from=- --ignore-failed-read -cf - |
    "$enter" sh -euc 'rm -rf /root/vantor && mkdir /root/vantor && tar -xf - -C /root/vantor'
"$enter" sh -euc 'cd /root/vantor && make test package test-package'

echo "debian13-test: autopkgtest, the null runner"
"$enter" sh -euc '
    cd /root/vantor
    scripts/ensure-packages.sh autopkgtest
    trap "apt-get purge -y -q vantor >/dev/null" EXIT
    autopkgtest build/package/vantor-*/ build/package/*.deb -- null
'
