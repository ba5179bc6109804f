#!/usr/bin/env bash
# Remakes the program's PNG icons in app/icons/ from its SVG drawings, with rsvg-convert
# (Debian's librsvg2-bin): 16 × 16 from tremaro-16.svg, drawn on that size's pixel grid, and
# 32, 48, 64, 128 and 256 from tremaro.svg. The PNGs are committed, so a build needs neither
# the tool nor this script; run it after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages librsvg2-bin
icons=app/icons
for size in 16 32 48 64 128 256; do
    drawing=$icons/tremaro.svg
    [ "$size" -eq 16 ] && drawing=$icons/tremaro-16.svg
    mkdir -p "$icons/${size}x${size}"
    rsvg-convert --width "$size" --height "$size" "$drawing" --output "$icons/${size}x${size}/tremaro.png"
done
echo "app/icons/*/tremaro.png made from the drawings"
