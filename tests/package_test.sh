#!/usr/bin/env bash
# Makes the Debian package from a finished build, unpacks it into a scratch folder with
# dpkg -x and runs the programs from there; checks what the desktop takes from it (the menu
# entry, the file type of VB6 forms, the icons); then holds the package to what Debian asks
# of one (lintian, appstreamcli, desktop-file-validate).
#   tests/package_test.sh BUILD_FOLDER CPACK
set -euo pipefail
# The programs speak the language the locale names: Bulgarian unless a test asks for another.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8
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
icons=usr/share/icons/hicolor
for file in usr/bin/tremaro usr/bin/tremaro-scale usr/share/applications/tremaro.desktop \
            usr/share/man/man1/tremaro.1.gz usr/share/man/man1/tremaro-scale.1.gz \
            usr/bin/tremaro-preview usr/share/man/man1/tremaro-preview.1.gz usr/share/mime/packages/tremaro.xml \
            $icons/scalable/apps/tremaro.svg \
            usr/share/metainfo/example.tremaro.Tremaro.metainfo.xml usr/share/doc/tremaro/copyright \
            usr/share/locale/en/LC_MESSAGES/tremaro.mo usr/share/man/en/man1/tremaro.1.gz \
            usr/share/man/en/man1/tremaro-scale.1.gz usr/share/man/en/man1/tremaro-preview.1.gz; do
    [ -f "$root/$file" ] || fail "$file is not in the package"
done
for size in 16 32 48 64 128 256; do
    png=$root/$icons/${size}x${size}/apps/tremaro.png
    file "$png" | grep -q "PNG image data, $size x $size," || fail "no $size x $size icon: $(file "$png")"
done
grep -q "<svg" "$root/$icons/scalable/apps/tremaro.svg" || fail "the scalable icon is no SVG"

# The window's libraries come from what the binary links, not from a hand-kept list.
depends=$(dpkg-deb --field "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libc6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
# Without Qt's translations its own texts (the open dialog, OK and Cancel) stay in English;
# without the fonts, Chinese, Japanese, Korean and Thai text shows in the picture as boxes.
recommends=$(dpkg-deb --field "$package" Recommends)
for recommended in qt6-translations-l10n fonts-wqy-microhei fonts-ipafont-gothic fonts-nanum fonts-tlwg-loma; do
    grep -qw "$recommended" <<<"$recommends" || fail "Recommends lacks $recommended: $recommends"
done
# ICU and uchardet are loaded when a form needs them, not linked: the command line starts
# without them, and the package names them, since no scan of what it links can.
for library in libicu libuchardet; do
    grep -q "$library" <<<"$recommends" || fail "Recommends lacks $library: $recommends"
done
if objdump -p "$root/usr/bin/tremaro-scale" | grep -E "NEEDED +lib(icu|uchardet)"; then
    fail "tremaro-scale links ICU or uchardet"
fi

# The preview draws on Qt Gui alone: nothing it links may bring Qt Widgets in, as the window does.
window_libraries=$(ldd "$root/usr/bin/tremaro")
preview_libraries=$(ldd "$root/usr/bin/tremaro-preview")
grep -q libQt6Widgets <<<"$window_libraries" || fail "tremaro does not load Qt Widgets: $window_libraries"
if grep -q libQt6Widgets <<<"$preview_libraries"; then
    fail "tremaro-preview loads Qt Widgets: $preview_libraries"
fi

usage=$("$root/usr/bin/tremaro-scale" --help) || fail "tremaro-scale --help exits with $?"
[[ $usage == "Употреба:"* ]] || fail "tremaro-scale --help printed: $usage"
usage=$("$root/usr/bin/tremaro-preview" --help) || fail "tremaro-preview --help exits with $?"
[[ $usage == "Употреба:"*"tremaro-preview --help"* ]] || fail "tremaro-preview --help printed: $usage"
# The window's usage needs no display either.
usage=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tremaro" --help) ||
    fail "tremaro --help exits with $?"
[[ $usage == "Употреба:"*"tremaro [ФАЙЛ]"*"tremaro --help"* ]] || fail "tremaro --help printed: $usage"
# Under an English locale the programs answer from the package's catalogue, in English.
for program in tremaro tremaro-scale tremaro-preview; do
    usage=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=en_US.UTF-8 "$root/usr/bin/$program" --help) ||
        fail "LANG=en_US.UTF-8 $program --help exits with $?"
    [[ $usage == "Usage:"*"$program --help"* ]] || fail "LANG=en_US.UTF-8 $program --help printed: $usage"
done
# Under a Bulgarian one, generated or not, in Bulgarian.
for program in tremaro tremaro-scale tremaro-preview; do
    usage=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=bg_BG.UTF-8 "$root/usr/bin/$program" --help) ||
        fail "LANG=bg_BG.UTF-8 $program --help exits with $?"
    [[ $usage == "Употреба:"*"$program --help"* ]] || fail "LANG=bg_BG.UTF-8 $program --help printed: $usage"
done
# The English manual pages render without a warning, and say what the Bulgarian ones say
# under the same headings.
for page in tremaro tremaro-scale tremaro-preview; do
    english=$root/usr/share/man/en/man1/$page.1.gz
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$english" 2>&1 >/dev/null) || fail "man -l $english"
    [ -z "$warnings" ] || fail "the English $page(1) warns: $warnings"
    headings=$(zcat "$english" | grep -c '^\.SH')
    original=$(zcat "$root/usr/share/man/man1/$page.1.gz" | grep -c '^\.SH')
    [ "$headings" = "$original" ] || fail "the English $page(1) has $headings sections, the Bulgarian $original"
    zcat "$english" | grep -q '^\.SH DESCRIPTION' || fail "the English $page(1) has no DESCRIPTION"
done
# man finds the English pages by the locale, as it finds any language's, when the locale
# exists: one is made here, whatever the machine has generated.
mkdir -p "$scratch/locale"
localedef -i en_US -f UTF-8 "$scratch/locale/en_US.UTF-8" 2>/dev/null || [ -d "$scratch/locale/en_US.UTF-8" ] ||
    fail "localedef en_US.UTF-8"
for page in tremaro tremaro-scale tremaro-preview; do
    found=$(LOCPATH=$scratch/locale MANPATH=$root/usr/share/man LANG=en_US.UTF-8 man -w "$page")
    [ "$found" = "$root/usr/share/man/en/man1/$page.1.gz" ] || fail "man under en_US.UTF-8 finds $found"
    found=$(LOCPATH=$scratch/locale MANPATH=$root/usr/share/man LANG=C.UTF-8 man -w "$page")
    [ "$found" = "$root/usr/share/man/man1/$page.1.gz" ] || fail "man under C.UTF-8 finds $found"
done
usage=$(LOCPATH=$scratch/locale LANG=en_US.UTF-8 "$root/usr/bin/tremaro-scale" --help) ||
    fail "tremaro-scale --help in a generated en_US.UTF-8 exits with $?"
[[ $usage == "Usage:"* ]] || fail "tremaro-scale --help in a generated en_US.UTF-8 printed: $usage"
version=$(dpkg-deb --field "$package" Version)
for program in tremaro tremaro-scale tremaro-preview; do
    # The window answers without a display.
    printed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$program" --version) ||
        fail "$program --version exits with $?"
    [ "$printed" = "$program $version" ] || fail "$program --version printed: $printed"
done
printf 'VERSION 5.00\r\nBegin VB.Form Form1\r\n   ClientHeight    =   3195\r\nEnd\r\n' >"$scratch/Form1.frm"
scaled=$("$root/usr/bin/tremaro-scale" --stdout 120 "$scratch/Form1.frm") || fail "tremaro-scale --stdout exits with $?"
grep -q "ClientHeight    =   3834" <<<"$scaled" || fail "the unpacked tremaro-scale did not scale: $scaled"
# A GBK form is read through ICU, loaded as it is needed: its font's Charset names GBK, and
# its caption comes back byte for byte through ICU's converter.
printf 'VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption = "\xD0\xC5\xBA\xC5"\r\n   BeginProperty Font\r\n      Charset = 134\r\n   EndProperty\r\nEnd\r\n' >"$scratch/Gbk.frm"
shown=$("$root/usr/bin/tremaro-scale" --show-code-page "$scratch/Gbk.frm") || fail "--show-code-page exits with $?"
[ "$shown" = "$scratch/Gbk.frm	gbk	own" ] || fail "--show-code-page printed: $shown"
scaled=$("$root/usr/bin/tremaro-scale" --stdout 120 "$scratch/Gbk.frm" | od -An -tx1 | tr -d ' \n')
[[ $scaled == *d0c5bac5* ]] || fail "the GBK caption did not come back: $scaled"

# The menu entry opens the file it is given, and says which files it takes.
desktop=$root/usr/share/applications/tremaro.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=tremaro %f' "$desktop" || fail "the menu entry is not given a file: $(grep Exec "$desktop")"
grep -qx 'MimeType=text/x-vb6-form;' "$desktop" || fail "the menu entry takes no VB6 forms"

# A MIME database made of the shared one, the package's file type and another program's that
# claims *.frm too (a MySQL table's), as a desktop sees it once the package is installed: VB6
# forms, user controls, user documents and property pages are the type by their names, a form
# is by its first line where its name says nothing, and another program's .frm stays its own.
mime=$scratch/share/mime
mkdir -p "$mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$root/usr/share/mime/packages/tremaro.xml" "$mime/packages/"
cat >"$mime/packages/other-frm.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-other-frm"><comment>table</comment><glob pattern="*.frm"/></mime-type>
</mime-info>
XML
export XDG_DATA_DIRS=$scratch/share XDG_DATA_HOME=$scratch/no-user-data
update-mime-database "$mime" 2>"$scratch/mime.log" || { cat "$scratch/mime.log" >&2; fail "update-mime-database"; }
[ ! -s "$scratch/mime.log" ] || { cat "$scratch/mime.log" >&2; fail "update-mime-database warns"; }
expectType() {
    local type
    type=$(gio info -a standard::content-type "$scratch/files/$1" | sed -n 's/^ *standard::content-type: //p')
    [ "$type" = "$2" ] || fail "$1 is $type, not $2"
}
mkdir "$scratch/files"
for name in Form1.frm UserControl1.ctl UserDocument1.dob PropertyPage1.pag; do
    printf 'Begin VB.Form Form1\r\nEnd\r\n' >"$scratch/files/$name"
    expectType "$name" text/x-vb6-form
done
printf 'VERSION 5.00\r\nBegin VB.Form Form1\r\nEnd\r\n' >"$scratch/files/Form1"
expectType Form1 text/x-vb6-form
printf '\376\001\012\014\003\000' >"$scratch/files/table.frm"
expectType table.frm application/x-other-frm
printf 'VERSION 5.00 is no form without its name\n' >"$scratch/files/notes.txt"
expectType notes.txt text/plain
unset XDG_DATA_DIRS XDG_DATA_HOME

appstreamcli validate --no-net "$root/usr/share/metainfo/example.tremaro.Tremaro.metainfo.xml" ||
    fail "appstreamcli validate"
lintian --fail-on error,warning "$package" || fail "lintian"
echo "package $(basename "$package") unpacks and runs"
