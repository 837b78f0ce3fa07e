#!/bin/sh
# Runs a command on a desktop that shows Windows programs under wine what
# Windows 10 and 11 show them, in an X server of its own:
#  - the message font, which Qt takes for the application's font, and the
#    fonts of the frames and menus are Open Sans 9 pt, standing in for Segoe
#    UI 9 pt (same designer, a little wider and taller; wine's own are Tahoma
#    8 pt), and drawn with ClearType;
#  - Tahoma is in the prefix, behind Windows' dialog face "MS Shell Dlg 2";
#  - the screen has DPI dots per inch (96 is 100 %, 120 is 125 %, 144 is 150 %);
#  - Qt programs get the windows platform plugin;
#  - with --window-manager, openbox places, stacks and focuses the windows as
#    a desktop's window manager does (without one, windows have no frames,
#    and wine 10 does not see them moved by others);
#  - with --dark, the programs' colour mode is dark, as Windows' dark mode
#    sets it (AppsUseLightTheme 0), otherwise light.
#   scripts/wine-desktop.sh [--window-manager] [--dark] PREFIX DPI COMMAND [ARGUMENT]...
# PREFIX is a wine prefix, made on first use and again when this script has
# changed; DPI and the colour mode are set on every run.
set -eu
here=$(cd "$(dirname "$0")" && pwd)

window_manager= light=1
while :; do
    case ${1:-} in
    --window-manager) window_manager=openbox ;;
    --dark) light=0 ;;
    *) break ;;
    esac
    shift
done
[ $# -ge 3 ] || { echo "usage: $0 [--window-manager] [--dark] PREFIX DPI COMMAND [ARGUMENT]..." >&2; exit 2; }

if [ -z "${VANTOR_WINE_DESKTOP:-}" ]; then
    # xdotool drives the desktop, for the tests and the screenshots.
    "$here/ensure-packages.sh" xvfb xauth xdotool fonts-open-sans fonts-wine python3 $window_manager
    export VANTOR_WINE_DESKTOP=1
    dpi=$2
    [ "$light" = 1 ] || set -- --dark "$@"
    [ -n "$window_manager" ] && set -- --window-manager "$@"
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi $dpi" "$0" "$@"
fi

prefix=$(realpath -m "$1")
dpi=$2
shift 2
export WINEPREFIX="$prefix" WINEDEBUG=-all
# No Mono or Gecko installer, no menu entries on the host.
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'

# A LOGFONTW as a .reg file writes it: height in pixels (negative: the
# letters' height), width, escapement, orientation, weight, italic,
# underline, strike-out, character set, three precisions and the pitch, then
# the face's name in 32 UTF-16 units; a byte at a time, in hexadecimal.
logfont() {
    {
        printf '%08x' $(($1 & 0xffffffff)) | sed 's/\(..\)\(..\)\(..\)\(..\)/\4\3\2\1/'
        printf '000000000000000000000000' # width, escapement, orientation
        printf '90010000'                 # weight 400
        printf '0000000100000000'         # not italic ...; DEFAULT_CHARSET; defaults
        printf '%s' "$2" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -d ' \n'
        printf '%0*d' $((128 - 4 * ${#2})) 0
    } | sed 's/../&,/g; s/,$//'
}

# Windows 10 and 11 as they come: every font of the frames and menus Segoe UI
# 9 pt (9 pt at 96 dpi; wine scales it with the dpi), ClearType on (without
# it, wine draws Tahoma at 150 % with stems missing), a scaled desktop (wine
# sets LogPixels back to 96 where DpiScalingVer is missing).
desktop() {
    font=$(logfont -12 'Open Sans')
    cat <<END
REGEDIT4

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"FontSmoothing"="2"
"FontSmoothingType"=dword:00000002
"FontSmoothingOrientation"=dword:00000001
"DpiScalingVer"=dword:00001018

[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]
END
    for name in CaptionFont SmCaptionFont MenuFont StatusFont MessageFont IconFont; do
        echo "\"$name\"=hex:$font"
    done
    # The faces copied into the Fonts folder, registered as Windows registers
    # its own: wine's DirectWrite, which Qt draws with, lists only registered
    # faces (its GDI finds them in the folder too).
    cat <<END

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]
"Tahoma (TrueType)"="tahoma.ttf"
"Tahoma Bold (TrueType)"="tahomabd.ttf"
"Open Sans (TrueType)"="OpenSans-Regular.ttf"
"Open Sans Bold (TrueType)"="OpenSans-Bold.ttf"
END
}

# wine's Tahoma asks to be spaced by its typographic metrics (bit 7 of the
# OS/2 table's fsSelection), which Windows' Tahoma does not: DirectWrite,
# which honours the bit where GDI does not, gives it lines of 10 px at 8 pt
# where Windows' Tahoma has 13. The prefix's copies have the bit cleared.
without_typographic_metrics() {
    python3 - "$@" <<'END'
import struct, sys
for path in sys.argv[1:]:
    with open(path, "r+b") as font:
        data = bytearray(font.read())
        for table in range(struct.unpack_from(">H", data, 4)[0]):
            tag, _, offset, _ = struct.unpack_from(">4sIII", data, 12 + 16 * table)
            if tag == b"OS/2":
                selection = struct.unpack_from(">H", data, offset + 62)[0]
                struct.pack_into(">H", data, offset + 62, selection & ~0x80)
        font.seek(0)
        font.write(data)
END
}

# What runs in the prefix ends with this run, and nothing from a run that
# was stopped half-way stays to hold the prefix.
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

# The prefix is made anew when this script has changed since.
if ! cmp -s "$0" "$prefix/.vantor-desktop"; then
    rm -rf "$prefix"
    wineboot --init >/dev/null 2>&1
    wineserver -w
    cp /usr/share/fonts/truetype/open-sans/OpenSans-Regular.ttf \
        /usr/share/fonts/truetype/open-sans/OpenSans-Bold.ttf \
        /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$prefix/drive_c/windows/Fonts/"
    without_typographic_metrics "$prefix/drive_c/windows/Fonts/tahoma.ttf" "$prefix/drive_c/windows/Fonts/tahomabd.ttf"
    desktop >"$prefix/drive_c/desktop.reg"
    wine reg import 'C:\desktop.reg' >/dev/null 2>&1
    wineserver -w
    cp "$0" "$prefix/.vantor-desktop"
fi
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
    /v AppsUseLightTheme /t REG_DWORD /d "$light" /f >/dev/null
wineserver -w

if [ -n "$window_manager" ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    manager=$!
    trap 'kill $manager 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
    sleep 1
fi

export QT_QPA_PLATFORM=windows
"$@"
