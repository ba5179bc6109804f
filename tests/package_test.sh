#!/usr/bin/env bash
# Makes the Debian package from a finished build, unpacks it into a scratch folder with
# dpkg -x and runs the command line program from there; then holds the package to what
# Debian asks of one (lintian, appstreamcli).
#   tests/package_test.sh BUILD_FOLDER CPACK
set -euo pipefail
build=$1
cpack=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAILED: $1" >&2
    exit 1
}

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack"; }
package=$(echo "$scratch"/out/tremaro_*_*.deb)
[ -f "$package" ] || fail "no package in $scratch/out"

dpkg -x "$package" "$scratch/root"
root=$scratch/root
for file in usr/bin/tremaro usr/bin/tremaro-scale usr/share/applications/tremaro.desktop \
            usr/share/pixmaps/tremaro.xpm usr/share/man/man1/tremaro.1.gz usr/share/man/man1/tremaro-scale.1.gz \
            usr/bin/tremaro-preview usr/share/man/man1/tremaro-preview.1.gz \
            usr/share/metainfo/example.tremaro.Tremaro.metainfo.xml usr/share/doc/tremaro/copyright; do
    [ -f "$root/$file" ] || fail "$file is not in the package"
done

# The window's libraries come from what the binary links, not from a hand-kept list.
depends=$(dpkg-deb --field "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libc6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# The preview draws on Qt Gui alone: nothing it links may bring Qt Widgets in, as the window does.
window_libraries=$(ldd "$root/usr/bin/tremaro")
preview_libraries=$(ldd "$root/usr/bin/tremaro-preview")
grep -q libQt6Widgets <<<"$window_libraries" || fail "tremaro does not load Qt Widgets: $window_libraries"
if grep -q libQt6Widgets <<<"$preview_libraries"; then
    fail "tremaro-preview loads Qt Widgets: $preview_libraries"
fi

usage=$("$root/usr/bin/tremaro-scale" --help) || fail "tremaro-scale --help exits with $?"
[[ $usage == "Употреба:"* ]] || fail "tremaro-scale --help printed: $usage"
printf 'VERSION 5.00\r\nBegin VB.Form Form1\r\n   ClientHeight    =   3195\r\nEnd\r\n' >"$scratch/Form1.frm"
scaled=$("$root/usr/bin/tremaro-scale" --stdout 120 "$scratch/Form1.frm") || fail "tremaro-scale --stdout exits with $?"
grep -q "ClientHeight    =   3834" <<<"$scaled" || fail "the unpacked tremaro-scale did not scale: $scaled"

appstreamcli validate --no-net "$root/usr/share/metainfo/example.tremaro.Tremaro.metainfo.xml" ||
    fail "appstreamcli validate"
lintian --fail-on error,warning "$package" || fail "lintian"
echo "package $(basename "$package") unpacks and runs"
