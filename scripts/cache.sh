# Sourced by the scripts that build into the cache outside the clone
# ($VANTOR_CACHE, default ~/.cache/vantor), each into a prefix of its own
# that is complete once its stamp is written, last.
cache=${VANTOR_CACHE:-$HOME/.cache/vantor}

# cache_enter NAME PREFIX: waits while another run of NAME builds; when
# PREFIX is complete already, prints it on descriptor 3 and ends the script.
cache_enter() {
    mkdir -p "$cache"
    exec 9>"$cache/.$1.lock"
    if ! flock -n 9; then
        echo "$1: another build holds $cache/.$1.lock; waiting" >&2
        flock 9
    fi
    stamp=$2/.vantor-complete
    if [ -f "$stamp" ]; then
        echo "$2" >&3
        exit 0
    fi
}
