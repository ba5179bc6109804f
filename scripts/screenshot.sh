#!/usr/bin/env bash
# Remakes docs/main-window.png and docs/help-window.png: the real windows under Xvfb,
# with examples/Zapoved.frm read and corrected by 120 percent.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}" xvfb xauth
cmake --preset dev
cmake --build build --target tremaro-screenshot
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/Zapoved.frm "$work/"
xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" build/tools/tremaro-screenshot "$work/Zapoved.frm" docs
echo "docs/main-window.png and docs/help-window.png written"
