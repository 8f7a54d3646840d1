#!/usr/bin/env bash
# Installs a build into a fresh prefix and checks what a desktop user gets: the program,
# its menu entry (valid), the icon in every size of the theme, the demo school and the README.
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
[ -f "$prefix/share/icons/hicolor/scalable/apps/tivra.svg" ] || fail "ikonen som SVG saknas"
for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/tivra.png"
    [ -s "$png" ] || fail "ikonen $size saknas"
    file "$png" | grep -q "PNG image data, $size x $size" || fail "ikonen $size har fel storlek"
done
[ -f "$prefix/share/tivra/demo-skola/Tivra.ini" ] || fail "demoskolan saknas"
[ -f "$prefix/share/doc/tivra/README.md" ] || fail "README saknas"
echo "Installationen är hel: $(find "$prefix" -type f | wc -l) filer"
