#!/usr/bin/env bash
# Installs a finished build into a scratch folder (DESTDIR) and checks what a
# desktop needs: the programs, a valid desktop entry, the icon in every size,
# and a MIME package from which update-mime-database makes the type of
# ".str" files.
#   packaging/check-install.sh [build-dir]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${1:-build}"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr >/dev/null
root="$stage/usr"
fail() {
    echo "INSTALL CHECK FAILED: $*" >&2
    exit 1
}

for file in bin/ruvo bin/ruvo-calc share/applications/ruvo.desktop share/mime/packages/ruvo.xml \
    share/icons/hicolor/scalable/apps/ruvo.svg share/doc/ruvo/examples/portal-frame.str; do
    [ -e "$root/$file" ] || fail "$file is not installed"
done
for size in 16 24 32 48 64 128 256; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/ruvo.png"
    [ -f "$png" ] || fail "the ${size}px icon is not installed"
    file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not a ${size}x${size} PNG"
done

desktop-file-validate "$root/share/applications/ruvo.desktop" || fail "the desktop entry is not valid"
grep -qx 'Exec=ruvo %f' "$root/share/applications/ruvo.desktop" || fail "the desktop entry does not open files"

# The same database build that the shared-mime-info trigger runs.
update-mime-database "$root/share/mime"
type_file="$root/share/mime/application/x-ruvo-structure.xml"
[ -f "$type_file" ] || fail "update-mime-database made no application/x-ruvo-structure"
grep -q 'Конструкция' "$type_file" || fail "the MIME type has no Russian comment"
grep -q '\*\.str' "$root/share/mime/globs2" || fail "*.str is not among the globs"

"$root/bin/ruvo-calc" examples/portal-frame.str >/dev/null || fail "the installed ruvo-calc does not run"
QT_QPA_PLATFORM=offscreen "$root/bin/ruvo" --help >/dev/null || fail "the installed ruvo does not start"
echo "install check passed"
