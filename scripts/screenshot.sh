#!/bin/sh
# Runs inside an X server (make screenshot starts one with xvfb-run): types an
# expression with two variables into Vantor, presses "=", opens the function
# list and the scratch pad, and writes PNGs of what the screen shows. The
# program may be a command that starts it (under wine, for the Windows build).
#   scripts/screenshot.sh VANTOR_BINARY OUTPUT_PREFIX [SCALE_PERCENT]
# SCALE_PERCENT is how large the program draws (default: QT_SCALE_FACTOR
# times 100): the clicks go where the buttons are at that scale.
set -eu
binary=$1
prefix=$2
scale=${3:-$((${QT_SCALE_FACTOR:-1} * 100))}

# The binary may be a command with arguments (run-under-wine.sh vantor.exe).
$binary &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

main=$(xdotool search --sync --onlyvisible --name '^Vantor$' | head -n 1)
xdotool windowmove --sync "$main" 0 0
xdotool windowfocus --sync "$main"
sleep 0.5

# Row 0: r = 1.5; row 1: h = 2^10 (Enter computes each row).
xdotool key Tab && xdotool type --delay 30 r
xdotool key Tab && xdotool type --delay 30 1.5 && xdotool key Return
xdotool key Tab Tab && xdotool type --delay 30 h
xdotool key Tab && xdotool type --delay 30 '2^10' && xdotool key Return
# Back to the expression box, and "=".
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a
xdotool type --delay 30 'pi*r^2 + h/4'
sleep 0.3
import -window "$main" "$prefix-typed.png"
xdotool key Return
sleep 0.3
import -window "$main" "$prefix.png"

# The side windows, each moved beside the main window (there is no window manager to place them).
scaled() { echo $(($1 * scale / 100)); }
click() { # button centre in unscaled pixels
    xdotool mousemove --window "$main" "$(scaled "$1")" "$(scaled "$2")" click 1
}
height=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
menu=$((height * 100 / scale - 322))
click 64 $((menu + 294))
functions=$(xdotool search --sync --onlyvisible --name '^Functions$' | head -n 1)
xdotool windowmove "$functions" "$(scaled 270)" 0
click 224 $((menu + 254))
pad=$(xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
xdotool windowmove "$pad" "$(scaled 270)" "$(scaled 100)"
xdotool windowfocus --sync "$pad"
xdotool type --delay 30 'area for r = 1.5'
sleep 0.5
import -window root -crop "$(scaled 500)x$(scaled 345)+0+0" "$prefix-windows.png"
