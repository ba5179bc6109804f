#!/usr/bin/env bash
# Remakes the README's pictures, in Bulgarian and in English: docs/main-window.png,
# docs/help-window.png and docs/preview-window.png, the real windows under Xvfb with
# examples/Zapoved.frm read and corrected by 120 percent; and docs/preview.png, the layout of
# examples/Danni.frm before and after a correction by 150 percent, drawn by tremaro-preview
# without a display. The English pictures have "-en" before ".png".
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}" xvfb xauth
cmake --preset dev
cmake --build build --target tremaro-screenshot tremaro-preview tremaro_catalogues
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/Zapoved.frm examples/Danni.frm "$work/"
for language in bg_BG.UTF-8 en_US.UTF-8; do
    in_language=(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=$language)
    suffix=
    [ "$language" = bg_BG.UTF-8 ] || suffix=-${language%%_*}
    "${in_language[@]}" xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" build/tools/tremaro-screenshot "$work/Zapoved.frm" docs
    "${in_language[@]}" build/preview/tremaro-preview 150 "$work/Danni.frm" "docs/preview$suffix.png"
done
echo "docs/{main-window,help-window,preview-window,preview}{,-en}.png written"
