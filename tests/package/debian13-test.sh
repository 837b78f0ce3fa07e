#!/bin/sh
# Vantor on Debian 13, from this machine, in the Debian 13 root that
# scripts/debian-root.sh keeps, on a copy of the clone (the files git tracks or
# would add, and its history) made afresh in the root's /root/vantor:
#  - make test;
#  - make package and make test-package: Debian 13's own packages, built
#    there for Debian 13 and checked, and built twice from the source package;
#  - debian/tests against that package, with autopkgtest's null runner
#    (tests/package/autopkgtest.sh).
#   tests/package/debian13-test.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
sources=$(cd "$here/../.." && pwd)
enter() { "$sources/scripts/debian-root.sh" 13 "$@"; }

echo "debian13-test: a copy of $sources in the root's /root/vantor"
cd "$sources"
{ git ls-files -z --cached --others --exclude-standard; printf '.git\0'; } |
    tar --null --files-from=- --ignore-failed-read -cf - |
    enter sh -euc 'rm -rf /root/vantor && mkdir /root/vantor && tar -xf - -C /root/vantor'
enter sh -euc 'cd /root/vantor && make test package test-package && tests/package/autopkgtest.sh build/package'
