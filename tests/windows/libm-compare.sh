#!/bin/sh
# Checks that Windows programs get the Linux build's mathematics, bit for bit.
#   tests/windows/libm-compare.sh [SCALE]
# Builds vantor-libm.dll (scripts/libm-windows.sh), then:
#  - the link check (libm_link_check.cpp), natively and for Windows linked as
#    the project links, run under wine; and linked in the wrong order, where
#    it must fail, so that it is known to see a misplaced link;
#  - libm_compare.cpp natively, for Windows with the DLL, and for Windows
#    with the C runtime alone; makes SCALE million arguments (default 1, about
#    11 million values), computes them on Linux and under wine, and compares
#    them with each of glibc's variants that this processor can run (chosen
#    on Linux with GLIBC_TUNABLES, in the DLL with VANTOR_LIBM_HWCAPS), then
#    the C runtime alone with Linux, for the record.
# Writes its files to $VANTOR_LIBM_COMPARE_DIR (default: a new folder in
# /tmp, removed at the end) and ends with "N passed, N failed".
set -eu
here=$(cd "$(dirname "$0")" && pwd)
scale=${1:-1}

"$here/../../scripts/ensure-packages.sh" g++ g++-mingw-w64-x86-64-posix wine wine64 >&2
prefix=$("$here/../../scripts/libm-windows.sh")

if [ -n "${VANTOR_LIBM_COMPARE_DIR:-}" ]; then
    work=$VANTOR_LIBM_COMPARE_DIR
    mkdir -p "$work"
else
    work=$(mktemp -d /tmp/vantor-libm-compare.XXXXXX)
    trap 'rm -rf "$work"' EXIT
fi
export WINEPREFIX="${WINEPREFIX:-/tmp/vantor-wine-math}" WINEDEBUG=-all
cd "$work"
cp "$prefix/bin/vantor-libm.dll" .

cxx_flags="-std=c++20 -O2 -Wall -Wextra -Wpedantic"
mingw=x86_64-w64-mingw32-g++-posix
implib=$prefix/lib/libvantor-libm.dll.a

# shellcheck disable=SC2086
{
    g++ $cxx_flags -o libm_compare "$here/libm_compare.cpp"
    $mingw $cxx_flags -static -o libm_compare_dll.exe "$here/libm_compare.cpp" "$implib"
    $mingw $cxx_flags -static -o libm_compare_crt.exe "$here/libm_compare.cpp"

    g++ $cxx_flags -o libm_link_check "$here/libm_link_check.cpp" "$here/libm_link_calls.cpp"
    # The calls in a static library, as the engine's are; the import library
    # after it, where CMake puts CMAKE_CXX_STANDARD_LIBRARIES.
    $mingw $cxx_flags -c "$here/libm_link_calls.cpp" -o calls.o
    $mingw $cxx_flags -c "$here/libm_link_check.cpp" -o check.o
    rm -f libcalls.a
    x86_64-w64-mingw32-ar rcs libcalls.a calls.o
    $mingw -static -o libm_link_check.exe check.o libcalls.a "$implib"
    $mingw -static -o libm_link_check_misplaced.exe check.o "$implib" libcalls.a
}
cat >variant.cpp <<'EOF'
#include <cstdio>
extern "C" const char* vantor_libm_variant();
int main() { std::printf("%s\n", vantor_libm_variant()); }
EOF
$mingw -static -o variant.exe variant.cpp "$implib"

passed=0
failed=0
check() { # WHAT COMMAND...
    what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok: $what"
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
    fi
}
fails() { ! "$@" >/dev/null; }

echo "== the link check, natively"
check "link check on Linux" ./libm_link_check
echo "== the link check under wine"
check "link check on Windows" wine ./libm_link_check.exe
check "link check fails when the import library comes first" fails wine ./libm_link_check_misplaced.exe

echo "== $(grep -m 1 'model name' /proc/cpuinfo | sed 's/.*: //'); the DLL runs its $(wine ./variant.exe | tr -d '\r') build"
./libm_compare arguments arguments.bin "$scale"
./libm_compare run arguments.bin linux.bin
for hwcaps in "" -AVX2 -AVX2,-AVX; do
    variant=$(VANTOR_LIBM_HWCAPS=$hwcaps wine ./variant.exe | tr -d '\r')
    echo "== glibc against vantor-libm.dll, both without '$hwcaps': the $variant build"
    GLIBC_TUNABLES=glibc.cpu.hwcaps=$hwcaps ./libm_compare run arguments.bin "linux-$variant.bin"
    VANTOR_LIBM_HWCAPS=$hwcaps wine ./libm_compare_dll.exe run arguments.bin "dll-$variant.bin"
    check "vantor-libm.dll ($variant) against glibc" ./libm_compare compare arguments.bin "linux-$variant.bin" "dll-$variant.bin"
done

if [ -f linux-fma.bin ] && [ -f linux-sse2.bin ]; then
    echo "== for the record: glibc's fma build against its sse2 build"
    ./libm_compare compare arguments.bin linux-fma.bin linux-sse2.bin 0 || true
fi
echo "== for the record: glibc against the mingw-w64 C runtime alone"
wine ./libm_compare_crt.exe run arguments.bin crt.bin
./libm_compare compare arguments.bin linux.bin crt.bin 20 || true

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
