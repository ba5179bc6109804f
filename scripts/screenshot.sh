#!/usr/bin/env bash
# Remakes docs/main-window.png and docs/help-window.png: the real windows under Xvfb,
# with examples/Zapoved.frm read and corrected by 120 percent; and docs/preview.png, the
# layout of examples/Danni.frm before and after a correction by 150 percent, drawn by
# tremaro-preview without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}" xvfb xauth
cmake --preset dev
cmake --build build --target tremaro-screenshot tremaro-preview
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/Zapoved.frm examples/Danni.frm "$work/"
xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" build/tools/tremaro-screenshot "$work/Zapoved.frm" docs
build/preview/tremaro-preview 150 "$work/Danni.frm" docs/preview.png
echo "docs/main-window.png, docs/help-window.png and docs/preview.png written"
