#!/bin/sh
# Runs a command in another Debian release from this machine: in a root made
# with debootstrap from Debian's packages and kept in the cache
# ($VANTOR_CACHE/debian-RELEASE, VANTOR_CACHE defaulting to ~/.cache/vantor),
# made on first use. Needs root.
#   scripts/debian-root.sh RELEASE COMMAND [ARGUMENT]...
# RELEASE is 12 ("bookworm") or 13 ("trixie"). The command runs in the folder
# it was called from, with the caller's environment, in this script's
# process: a signal sent to the script reaches the command. Inside, the clone
# this script belongs to, the cache and /tmp (X servers' sockets, xvfb-run's
# authority files, wine's servers) are where they are outside, so that a
# build made inside runs from outside and the other way round; proc, sys,
# dev and dev/pts are the machine's.
# The mounts belong to a mount namespace of the command's own, which the
# kernel takes down when the command ends, however it ends: nothing stays
# mounted after a failure, an interruption or a kill.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
clone=$(cd "$here/.." && pwd)
. "$here/cache.sh"

release=$1
shift
case $release in
12) suite=bookworm ;;
13) suite=trixie ;;
*)
    echo "usage: $0 12|13 COMMAND [ARGUMENT]..." >&2
    exit 2
    ;;
esac
name=debian-$release
root=$cache/$name/root
mirror=http://deb.debian.org/debian
if [ "$(id -u)" -ne 0 ]; then
    echo "debian-root: making and entering a Debian root needs root" >&2
    exit 1
fi

make_root() (
    exec 3>/dev/null
    cache_enter "$name" "$cache/$name"
    "$here/ensure-packages.sh" debootstrap >&2
    started=$(date +%s)
    rm -rf "$root"
    mkdir -p "$root"
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >&2
    rm -f "$root/etc/apt/sources.list"
    # Security updates and point releases too, as a Debian 13 machine has them.
    cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: $suite-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    enter apt-get update -q >&2
    DEBIAN_FRONTEND=noninteractive enter apt-get upgrade -y -q >&2
    DEBIAN_FRONTEND=noninteractive enter apt-get install -y -q --no-install-recommends make >&2
    date -u '+%Y-%m-%dT%H:%M:%SZ' >"$stamp"
    echo "$name: root made in $(($(date +%s) - started)) s" >&2
)

# enter [exec] COMMAND...: the command in the root, in a mount namespace of
# its own; with exec, in this script's process.
enter() {
    run=
    if [ "$1" = exec ]; then
        run=exec
        shift
    fi
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    for shared in "$clone" "$cache" /tmp; do
        mkdir -p "$root$shared"
    done
    $run unshare --mount --propagation private /bin/sh -eu -c '
        root=$1 clone=$2 cache=$3
        shift 3
        mount -t proc proc "$root/proc"
        mount --rbind /sys "$root/sys"
        mount --rbind /dev "$root/dev"
        mount --rbind /tmp "$root/tmp"
        mount --bind "$cache" "$root$cache"
        mount --bind "$clone" "$root$clone"
        exec chroot "$root" /bin/sh -c "cd \"\$0\" 2>/dev/null || cd /; exec \"\$@\"" "$PWD" "$@"
    ' sh "$root" "$clone" "$cache" "$@"
}

[ -f "$cache/$name/.vantor-complete" ] || make_root
enter exec "$@"
