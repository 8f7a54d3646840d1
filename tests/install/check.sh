#!/usr/bin/env bash
# Installs a build into a fresh prefix and checks what a desktop user gets: the program,
# its menu entry (valid, opening booking files), the booking files' type, the manual page
# (made from --help), the AppStream metainfo, the icon in every size of the theme, the demo
# school and the documents.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FEL: $*" >&2; exit 1; }
[ -x "$prefix/bin/tivra" ] || fail "bin/tivra saknas"
"$prefix/bin/tivra" --version | grep -qx "tivra [0-9.]*" || fail "tivra --version"
desktop="$prefix/share/applications/tivra.desktop"
[ -f "$desktop" ] || fail "menyposten saknas"
desktop-file-validate "$desktop" || fail "menyposten är ogiltig"
grep -qx 'Exec=tivra %f' "$desktop" || fail "menyposten öppnar inga filer (Exec=tivra %f)"
grep -qx 'MimeType=application/x-tivra-bookings;' "$desktop" || fail "menyposten saknar bokningsfilernas typ"
mime="$prefix/share/mime/packages/tivra.xml"
[ -f "$mime" ] || fail "bokningsfilernas MIME-typ saknas"
grep -q '<mime-type type="application/x-tivra-bookings">' "$mime" || fail "MIME-typen har fel namn"
grep -q '<glob pattern="\*.bok"/>' "$mime" || fail "MIME-typen gäller inte *.bok"
metainfo="$prefix/share/metainfo/se.tivra.Tivra.metainfo.xml"
[ -f "$metainfo" ] || fail "metainfo saknas"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "metainfo är ogiltig"
fi
man="$prefix/share/man/man1/tivra.1.gz"
[ -f "$man" ] || fail "manualsidan saknas"
# Every option of --help has its entry in the manual page.
page=$(zcat "$man")
for option in $("$prefix/bin/tivra" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$page" || fail "manualsidan saknar $option"
done
# ... and every heading of --help (each mode's among them) its section.
while IFS= read -r heading; do
    grep -qxF -- ".SH ${heading//-/\\-}" <<<"$page" || fail "manualsidan saknar avsnittet $heading"
done < <("$prefix/bin/tivra" --help | awk 'prev != "" && prev !~ /^ / && /^ / { print prev } { prev = $0 }')
[ -f "$prefix/share/doc/tivra/copyright" ] || fail "copyright saknas"
[ -f "$prefix/share/doc/tivra/changelog.gz" ] || fail "changelog saknas"
[ -f "$prefix/share/icons/hicolor/scalable/apps/tivra.svg" ] || fail "ikonen som SVG saknas"
for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/tivra.png"
    [ -s "$png" ] || fail "ikonen $size saknas"
    file "$png" | grep -q "PNG image data, $size x $size" || fail "ikonen $size har fel storlek"
done
[ -f "$prefix/share/tivra/demo-skola/Tivra.ini" ] || fail "demoskolan saknas"
[ -f "$prefix/share/tivra/demo-skola/demoskola.txt" ] || fail "demoskolan är inte märkt som demo"
[ -f "$prefix/share/doc/tivra/README.md" ] || fail "README saknas"
echo "Installationen är hel: $(find "$prefix" -type f | wc -l) filer"
