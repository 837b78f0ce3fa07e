#!/bin/sh
# Builds vantor-libm.dll: glibc's double-precision sin, cos, tan, atan, exp,
# log, pow and sqrt for 64-bit Windows, compiled with mingw-w64 from Debian's
# glibc source, so that a Windows program computes the bits a Linux program
# computes on the same machine. Each function is built in every variant that
# glibc builds for x86-64 (SSE2, AVX, FMA4, FMA with AVX2), with the flags
# glibc's sysdeps/x86_64/fpu/multiarch/Makefile gives it, and
# windows/libm/dispatch.c picks one at run time as glibc's ifunc selectors do.
# glibc is LGPL-2.1-or-later, so the functions ship as a DLL of their own.
#   scripts/libm-windows.sh
# Installs into $VANTOR_CACHE/vantor-libm-<libc6 version>-<hash of this
# script and windows/libm> (VANTOR_CACHE defaults to ~/.cache/vantor):
# bin/vantor-libm.dll, lib/libvantor-libm.dll.a, and in share/doc/vantor-libm
# the licence and a note of the source it came from. When that prefix is
# complete already it does nothing. Prints the prefix as the last line of its
# output; everything else goes to standard error.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
glue=$(cd "$here/../windows/libm" && pwd)
exec 3>&1 1>&2
. "$here/cache.sh"

triplet=x86_64-w64-mingw32
cc=$triplet-gcc-posix

# The Linux build runs the installed libc6: the DLL is built from its source.
host_version=$(dpkg-query -W -f='${Version}' "libc6:$(dpkg --print-architecture)")
inputs=$(cat "$0" "$glue"/*.c "$glue"/*.h "$glue"/*.def "$glue"/include/*.h | sha256sum | cut -c 1-12)
prefix=$cache/vantor-libm-$host_version-$inputs
work=$cache/vantor-libm-work

cache_enter libm-windows "$prefix"

"$here/ensure-packages.sh" gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev dpkg-dev
started=$(date +%s)
rm -rf "$work" # what an interrupted build left
# The installed version's source; where the registry no longer serves it,
# the newest of the same upstream release that it does serve (the Debian
# revisions between them patch other parts of glibc, and the test
# libm_agreement compares every function with the installed library).
upstream=${host_version%%-*}
others=$(apt-cache showsrc glibc | sed -n "s/^Version: \($upstream-.*\)/\1/p" | sort -u -V -r |
    awk -v installed="$host_version" '$0 != installed')
# shellcheck disable=SC2086 # one version a word
source=$("$here/debian-source.sh" glibc "$work/source" "$host_version" $others)
source_version=$(cd "$source" && dpkg-parsechangelog -S Version)
# The times the linker writes into the DLL (its header's and its export
# table's) are the source's own date, so that another cache gives the same bytes.
SOURCE_DATE_EPOCH=$(cd "$source" && dpkg-parsechangelog -S Timestamp)
export SOURCE_DATE_EPOCH
if [ "$source_version" != "$host_version" ]; then
    echo "libm-windows: built from Debian's glibc source $source_version; the installed libc6 is" \
        "$host_version, whose source the registry does not serve" >&2
fi

dbl64=$source/sysdeps/ieee754/dbl-64
multiarch=$source/sysdeps/x86_64/fpu/multiarch
objects=$work/objects
rm -rf "$objects"
mkdir -p "$objects"

# How glibc compiles libm (Makeconfig, and Debian's -O2), with the glibc
# headers that the Windows ones lack stood in for by windows/libm/include;
# <sysdeps/...> and <math/...> includes reach into the source tree.
base_flags="-std=gnu11 -fgnu89-inline -O2 -fmerge-all-constants -frounding-math -fno-common
    -fno-math-errno -Wall -include $glue/glibc-glue.h -I$glue/include -I$dbl64 -idirafter $source"

compile() { # OUTPUT SOURCE FLAGS...
    output=$1 file=$2
    shift 2
    # shellcheck disable=SC2086
    "$cc" $base_flags "$@" -c "$file" -o "$objects/$output.o"
}

# The SSE2 variant is glibc's generic code under the names multiarch/s_sin.c
# and its siblings give it.
compile s_sin-sse2 "$dbl64/s_sin.c" -D__sin=__sin_sse2 -D__cos=__cos_sse2
compile s_tan-sse2 "$dbl64/s_tan.c" -D__tan=__tan_sse2
compile s_atan-sse2 "$dbl64/s_atan.c" -D__atan=__atan_sse2
compile e_exp-sse2 "$dbl64/e_exp.c" -D__exp=__ieee754_exp_sse2
compile e_log-sse2 "$dbl64/e_log.c" -D__log=__ieee754_log_sse2
compile e_pow-sse2 "$dbl64/e_pow.c" -D__pow=__ieee754_pow_sse2

# The other variants are glibc's own multiarch files, with their flags.
for variant in avx fma4 fma; do
    for function in s_sin s_tan s_atan e_exp e_log e_pow; do
        file=$multiarch/$function-$variant.c
        [ -f "$file" ] || continue # there is no AVX pow
        flags=$(sed -n "s/^CFLAGS-$function-$variant\.c = //p" "$multiarch/Makefile")
        if [ -z "$flags" ]; then
            echo "libm-windows: no flags for $function-$variant in $multiarch/Makefile" >&2
            exit 1
        fi
        # shellcheck disable=SC2086
        compile "$function-$variant" "$file" $flags
    done
done

# Shared by every variant: argument reduction (without contraction, as
# sysdeps/ieee754/dbl-64/Makefile asks), tables, and error reporting.
compile branred "$dbl64/branred.c" -ffp-contract=off
for file in sincostab e_exp_data e_log_data e_pow_log_data math_err; do
    compile "$file" "$dbl64/$file.c"
done

"$cc" -std=gnu11 -O2 -Wall -Wextra -c "$glue/dispatch.c" -o "$objects/dispatch.o"

rm -rf "$prefix"
mkdir -p "$prefix/bin" "$prefix/lib" "$prefix/share/doc/vantor-libm"
# Linked in its folder: the linker picks the DLL's preferred address from a
# hash of the output's name as given, which must not hold the cache's path.
(cd "$prefix/bin" && "$cc" -shared -static-libgcc -s -Wl,--dynamicbase,--nxcompat,--high-entropy-va \
    -o vantor-libm.dll "$glue/vantor-libm.def" "$objects"/*.o \
    -Wl,--out-implib,"$prefix/lib/libvantor-libm.dll.a")

# The DLL may import from the system and the C runtime only.
imports=$("$triplet-objdump" -p "$prefix/bin/vantor-libm.dll" | sed -n 's/^\tDLL Name: //p' | sort | tr '\n' ' ')
if [ "$imports" != "KERNEL32.dll msvcrt.dll " ]; then
    echo "libm-windows: vantor-libm.dll imports $imports" >&2
    exit 1
fi

doc=$prefix/share/doc/vantor-libm
cp "$source/COPYING.LIB" "$doc/COPYING.LIB"
cp "$source/debian/copyright" "$doc/copyright"
mkdir -p "$doc/glue"
cp -r "$glue"/. "$doc/glue/"
# shellcheck disable=SC2086 # one line, the source's path left out
flags_note=$(echo $base_flags | sed "s|$source|<glibc source>|g; s|$glue|glue|g")
cat >"$doc/SOURCE" <<EOF
vantor-libm.dll holds functions of the GNU C Library, licensed under the GNU
Lesser General Public License, version 2.1 or later (COPYING.LIB; Debian's
copyright file beside it).

Built from Debian's source package glibc, version $source_version
(apt-get source glibc=$source_version), for the installed libc6 $host_version,
with $cc of gcc-mingw-w64-x86-64-posix $(dpkg-query -W -f='${Version}' gcc-mingw-w64-x86-64-posix):
  sysdeps/ieee754/dbl-64: s_sin.c s_tan.c s_atan.c e_exp.c e_log.c e_pow.c
    branred.c sincostab.c e_exp_data.c e_log_data.c e_pow_log_data.c math_err.c
  sysdeps/x86_64/fpu/multiarch: the -avx, -fma4 and -fma files of the same
    functions, each with the flags its Makefile gives it
and the files in glue/ (the stand-ins for glibc's internal headers and the
entry points), by scripts/libm-windows.sh of the Vantor sources, with:
  $flags_note
EOF

date -u '+%Y-%m-%dT%H:%M:%SZ' >"$stamp"
rm -rf "$work"
echo "libm-windows: built in $(($(date +%s) - started)) s;" \
    "vantor-libm.dll is $(($(wc -c <"$prefix/bin/vantor-libm.dll") / 1024)) KiB" >&2
echo "$prefix" >&3
