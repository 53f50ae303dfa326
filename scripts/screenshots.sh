#!/usr/bin/env bash
# Screenshots of the bundled examples with every result display, taken from
# the program itself on a private X server (Xvfb): for each example the
# window is opened on the file, the support reactions are switched on, then
# each of the moment, shear force, axial force and displacement displays in
# turn through the "Вид" menu, followed by "Показать всю конструкцию"
# (Ctrl+R), and the window is saved as docs/screenshots/<example>-<display>.png.
#
#   scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# Needs Xvfb, xdpyinfo, xdotool and ImageMagick's import.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}")
out=$(realpath -m "${2:-$here/docs/screenshots}")
ruvo="$build/src/ruvo"
for tool in Xvfb xdpyinfo xdotool import; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed" >&2; exit 2; }
done
[ -x "$ruvo" ] || { echo "build ruvo in $build first" >&2; exit 2; }
mkdir -p "$out"

source "$(dirname "${BASH_SOURCE[0]}")/xvfb-session.sh"
unset XAUTHORITY
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/Ostrand" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

focus() {
    for _ in $(seq 100); do
        xdotool windowfocus --sync "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "window $1 could not be given the keyboard focus" >&2
    exit 1
}

# Runs the n-th command of the "Вид" menu (separators not counted): the menu
# bar is entered with F10-free keyboard navigation (Alt, then arrows).
view_menu() {
    xdotool key --clearmodifiers alt+Cyrillic_ve
    sleep 0.4
    for _ in $(seq 2 "$1"); do
        xdotool key Down
    done
    xdotool key Return
    sleep 0.6
}

# Positions in the "Вид" menu.
moments=5 shear=6 axial=7 displacements=8 reactions=9

for file in "$here"/examples/*.str; do
    name=$(basename "$file" .str)
    # The X connection is now and then refused at start; a few tries.
    window=""
    for _ in 1 2 3; do
        "$ruvo" "$file" >"$work/ruvo.log" 2>&1 &
        pid=$!
        for _ in $(seq 300); do
            window=$(xdotool search --onlyvisible --name 'Руво' 2>/dev/null | head -n 1 || true)
            [ -n "$window" ] && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        [ -n "$window" ] && break
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=""
        sleep 1
    done
    [ -n "$window" ] || { echo "the main window did not appear" >&2; cat "$work/ruvo.log" >&2; exit 1; }
    xdotool windowmove --sync "$window" 0 0
    xdotool windowsize --sync "$window" 1000 700
    focus "$window"
    sleep 1
    view_menu "$reactions"
    for display in moments shear axial displacements; do
        view_menu "${!display}"
        xdotool key --clearmodifiers ctrl+r
        sleep 0.8
        import -window "$window" "$out/$name-$display.png"
        echo "$out/$name-$display.png"
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=""
done
