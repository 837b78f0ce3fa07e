#!/bin/sh
# Makes the Windows icon, data/icons/org.vantor.Vantor.ico, from the PNG
# icons beside it (16 to 256 pixels): each size as it is drawn, the 256-pixel
# one stored as PNG, as Windows reads it since Vista. ImageMagick writes the
# same bytes from the same pictures.
# Nothing in the build runs this: the icon is committed, so that building
# needs no ImageMagick. Run it by hand after changing any of the PNGs; until
# then the window tests fail (windowsIconHoldsEveryPictureOfTheIcon).
#   scripts/windows-icon.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
icons=$here/../data/icons
id=org.vantor.Vantor

"$here/ensure-packages.sh" imagemagick
set --
for size in 16 24 32 48 64 128 256; do
    set -- "$@" "$icons/$size/$id.png"
done
convert "$@" "$icons/$id.ico"
identify "$icons/$id.ico"
