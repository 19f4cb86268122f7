#!/usr/bin/env bash
# Draws the game's pictures with ImageMagick:
#   logo.bmp  221 by 106, 24 bits per pixel: a little star board of coloured
#             holes, faded behind a two-line title with a soft shadow;
#   icon.png  64 by 64: the same star board on its own, for the window and
#             the desktop entry.
# Run it from anywhere; it writes next to itself. The pictures are committed,
# so the build does not need ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

# Emits ImageMagick draw primitives for the 121 holes of the star.
#   cx cy: centre of the middle hole; step: distance between neighbours;
#   radius: of one hole; fade: 1 to fade the holes of the upper half.
star() {
    awk -v cx="$1" -v cy="$2" -v step="$3" -v radius="$4" -v fade="$5" '
    function first(r) { return r < 4 ? 4 : (r <= 8 ? r - 4 : (r <= 12 ? 4 : r - 4)) }
    function last(r) { return r < 4 ? 4 + r : (r <= 8 ? 12 : (r <= 12 ? r + 4 : 12)) }
    function colour(r, c) {
        if (r < 4) return "255 40 40"             # top point
        if (r > 12) return "150 150 150"          # bottom point
        if (r < 8 && c < 4) return "240 210 0"    # upper left
        if (r < 8 && c >= r + 5) return "0 160 60"  # upper right
        if (r > 8 && c <= r - 5) return "40 80 230" # lower left
        if (r > 8 && c >= 13) return "150 50 170"   # lower right
        return "0 200 210"                         # middle hexagon
    }
    BEGIN {
        h = step * 0.866
        for (r = 0; r < 17; r++) {
            for (c = first(r); c <= last(r); c++) {
                split(colour(r, c), rgb, " ")
                if (fade && r <= 8)
                    for (k = 1; k <= 3; k++) rgb[k] = int(rgb[k] + (255 - rgb[k]) * 0.6)
                x = cx + (c - r / 2 - 4) * step
                y = cy + (r - 8) * h
                printf "fill rgb(%d,%d,%d) circle %.2f,%.2f %.2f,%.2f\n", \
                    rgb[1], rgb[2], rgb[3], x, y, x + radius, y
            }
        }
    }'
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The logo.
star 52 53 6.2 2.5 1 > "$tmp/logo.mvg"
title() { # fill colour
    convert -size 221x106 xc:none -font DejaVu-Sans-Bold -fill "$1" \
        -pointsize 21 -annotate +8+36 'HOP ACROSS' \
        -pointsize 15 -annotate +70+58 'Chinese Checkers' "$2"
}
title '#000000' "$tmp/shadow.png"
title '#3c3c3c' "$tmp/text.png"
convert -size 221x106 xc:white -draw "$(cat "$tmp/logo.mvg")" \
    \( "$tmp/shadow.png" -blur 0x1.6 -channel A -evaluate multiply 0.45 +channel \) \
    -geometry +2+2 -composite \
    "$tmp/text.png" -geometry +0+0 -composite \
    -alpha off -type TrueColor -define bmp:format=bmp3 BMP3:logo.bmp

# The icon.
star 32 32 4.1 1.8 0 > "$tmp/icon.mvg"
convert -size 64x64 xc:none -draw "$(cat "$tmp/icon.mvg")" PNG32:icon.png
