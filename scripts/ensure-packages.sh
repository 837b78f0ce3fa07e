#!/bin/sh
# Installs the Debian packages given as arguments that are not installed yet.
# As root it runs apt-get; otherwise it prints the command to run and fails.
set -eu

if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "ensure-packages: not a Debian system; make sure these are installed: $*" >&2
    exit 0
fi

missing=""
for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) missing="$missing $package" ;;
    esac
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
else
    echo "These Debian packages are missing. Install them, then run make again:" >&2
    echo "  sudo apt-get install -y$missing" >&2
    exit 1
fi
