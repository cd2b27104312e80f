#!/usr/bin/env bash
# Draws the program's icon: a red seal with the character 名 in white, at 128, 64, 48, 32 and
# 16 pixels, 32 bits per pixel, combined into varnelo.ico. Run it from any directory; it writes
# beside itself. Needs ImageMagick and fonts-wqy-microhei (both installed by scripts/setup).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

for size in 128 64 48 32 16; do
    radius=$((size / 6))
    inset=$((size / 32))
    point=$((size * 70 / 100))
    convert -size "${size}x${size}" xc:none \
        -fill '#b3261e' -draw "roundrectangle $inset,$inset $((size - 1 - inset)),$((size - 1 - inset)) $radius,$radius" \
        -fill '#f8e9c8' -font "$font" -pointsize "$point" -gravity center -annotate +0+0 '名' \
        -define png:color-type=6 "PNG32:$work/$size.png"
done
convert "$work/128.png" "$work/64.png" "$work/48.png" "$work/32.png" "$work/16.png" \
    "$here/varnelo.ico"
