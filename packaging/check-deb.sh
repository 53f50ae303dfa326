#!/usr/bin/env bash
# Installs the Debian package on this machine (as root), checks that it works
# like a desktop program, and uninstalls it again:
#   - apt-get install ./ruvo_*.deb pulls in every library it needs;
#   - the shell knows ".str" files as application/x-ruvo-structure, with
#     ruvo.desktop as their default program (xdg-mime, gio);
#   - opening a .str file the way a file manager does (gio open) starts the
#     program under Xvfb with that file, and a screenshot is taken;
#   - ruvo-calc prints the results report of an example.
# Tools needed only for the check are installed for it and removed after.
#   packaging/check-deb.sh [path/to/ruvo_*.deb] [screenshot.png]
set -euo pipefail

deb="${1:-}"
if [ -z "$deb" ]; then
    deb=$(ls "$(dirname "$0")"/../build-release/ruvo_*.deb 2>/dev/null | head -n 1 || true)
fi
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "no package: run packaging/build-deb.sh first, or name the .deb" >&2
    exit 2
fi
deb=$(realpath "$deb")
shot=$(realpath -m "${2:-ruvo-package-check.png}")
if [ "$(id -u)" -ne 0 ]; then
    echo "run as root: the package is installed system-wide" >&2
    exit 2
fi
if dpkg-query -W -f='${Status}' ruvo 2>/dev/null | grep -q "install ok installed"; then
    echo "ruvo is installed already; remove it first (apt-get purge ruvo)" >&2
    exit 2
fi

export DEBIAN_FRONTEND=noninteractive
# A fresh system may not have read its package lists yet.
if ! ls /var/lib/apt/lists/*_Packages >/dev/null 2>&1; then
    apt-get update -qq
fi
work=$(mktemp -d)
auto_before="$work/auto-before"
apt-mark showauto | sort >"$auto_before"

check_tools=(xvfb xauth xdotool imagemagick xdg-utils libglib2.0-bin)
installed_for_check=()
for package in "${check_tools[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        installed_for_check+=("$package")
    fi
done

cleanup() {
    local status=$?
    set +e
    pkill -P $$ >/dev/null 2>&1
    apt-get purge -y -qq ruvo >/dev/null 2>&1
    if [ ${#installed_for_check[@]} -gt 0 ]; then
        apt-get purge -y -qq "${installed_for_check[@]}" >/dev/null 2>&1
    fi
    # Only the libraries pulled in by this check, never older leftovers.
    local pulled
    pulled=$(comm -13 "$auto_before" <(apt-mark showauto | sort))
    if [ -n "$pulled" ]; then
        # shellcheck disable=SC2086
        apt-get purge -y -qq $pulled >/dev/null 2>&1
    fi
    rm -rf "$work"
    if dpkg-query -W ruvo >/dev/null 2>&1 && dpkg-query -W -f='${Status}' ruvo | grep -q installed; then
        echo "ruvo is still installed" >&2
        status=1
    fi
    echo "uninstalled; check $([ $status -eq 0 ] && echo passed || echo FAILED)"
    exit $status
}
trap cleanup EXIT

fail() {
    echo "CHECK FAILED: $*" >&2
    exit 1
}

if [ ${#installed_for_check[@]} -gt 0 ]; then
    echo "== tools for the check: ${installed_for_check[*]}"
    apt-get install -y -qq --no-install-recommends "${installed_for_check[@]}" >/dev/null
fi

echo "== apt-get install $deb"
apt-get install -y -qq "$deb" >/dev/null
dpkg-query -W ruvo

echo "== files"
for file in /usr/bin/ruvo /usr/bin/ruvo-calc /usr/share/applications/ruvo.desktop \
    /usr/share/mime/packages/ruvo.xml /usr/share/icons/hicolor/scalable/apps/ruvo.svg \
    /usr/share/icons/hicolor/48x48/apps/ruvo.png; do
    [ -f "$file" ] || fail "$file is missing"
done
missing_libraries=$(ldd /usr/bin/ruvo | grep "not found" || true)
[ -z "$missing_libraries" ] || fail "libraries missing: $missing_libraries"

example="$work/Портальная рама.str"
cp /usr/share/doc/ruvo/examples/portal-frame.str "$example"

echo "== ruvo-calc"
ruvo-calc "$example" | head -n 3

echo "== MIME type and default program"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# xdg-mime asks file(1) outside a known desktop; GLib reads the shared MIME
# database as file managers do.
filetype=$(gio info -a standard::content-type "$example" | sed -n 's/^ *standard::content-type: //p')
echo "gio info content type: $filetype"
[ "$filetype" = "application/x-ruvo-structure" ] || fail "a .str file is $filetype"
# A .str file whose name hides it is known by its first line.
cp "$example" "$work/structure-without-extension"
magic=$(gio info -a standard::content-type "$work/structure-without-extension" | sed -n 's/^ *standard::content-type: //p')
echo "without extension: $magic"
[ "$magic" = "application/x-ruvo-structure" ] || fail "a structure without extension is $magic"
default=$(xdg-mime query default application/x-ruvo-structure)
echo "xdg-mime query default: $default"
[ "$default" = "ruvo.desktop" ] || fail "the default program is '$default'"
gio mime application/x-ruvo-structure | tee "$work/gio-mime"
grep -q "Default application.*ruvo.desktop" "$work/gio-mime" || fail "gio does not know ruvo.desktop"

echo "== opening the file as a file manager does, under Xvfb"
cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
# GLib launches the default program of the file's type, as GNOME's Files does
# on a double click (a bare xdg-open outside a desktop asks file(1) instead).
gio open "$1" &
# The title names the file; the window appears once the structure is read.
window=$(timeout 30 xdotool search --sync --name "$(basename "$1")" | head -n 1)
sleep 2
xdotool getwindowname "$window"
import -window "$window" "$2"
kill "$(xdotool getwindowpid "$window")"
SESSION
timeout 90 xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/session.sh" "$example" "$shot" ||
    fail "the program did not open the file"
echo "screenshot: $shot"
