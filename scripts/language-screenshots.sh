#!/usr/bin/env bash
# Screenshots of the windows that Qt itself supplies texts to, in the
# language of the desktop: the "save changes" prompt, the file dialog and
# the print preview. Runs the program under a private Xvfb with LANG set.
#
#   scripts/language-screenshots.sh BUILD_DIR OUTPUT_DIR LANG
#
# e.g. scripts/language-screenshots.sh build docs/screenshots ru_RU.UTF-8
# writes OUTPUT_DIR/<lang>-save-prompt.png, -file-dialog.png and
# -print-preview.png (<lang> is "ru" or "en" from LANG).
set -euo pipefail

build=$(realpath -m "$1")
out=$(realpath -m "$2")
lang=$3
short=${lang%%_*}
ruvo="$build/src/ruvo"
[ -x "$ruvo" ] || { echo "build ruvo in $build first" >&2; exit 2; }
for tool in Xvfb xdpyinfo xdotool import; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed" >&2; exit 2; }
done
mkdir -p "$out"

source "$(dirname "${BASH_SOURCE[0]}")/xvfb-session.sh"
unset XAUTHORITY LANGUAGE LC_ALL LC_MESSAGES
export LANG="$lang"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

focus() {
    for _ in $(seq 100); do
        xdotool windowfocus --sync "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "window $1 could not be given the focus" >&2
    exit 1
}
key() {
    xdotool key --clearmodifiers "$@"
    sleep 0.5
}
# The id of a visible window of the program other than the main window,
# once it is there, and its title.
wait_window() {
    local id
    for _ in $(seq 600); do
        for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            [ "$id" != "${window:-}" ] && { echo "$id"; return; }
        done
        sleep 0.2
    done
    echo "no window of the program opened ($1)" >&2
    exit 1
}
shoot() { # window name
    sleep 1
    echo "$2: $(xdotool getwindowname "$1")"
    import -window "$1" "$out/$short-$2.png"
    echo "$out/$short-$2.png"
}

closed() { # window: waits until it is gone, then gives the main window the focus
    for _ in $(seq 300); do
        xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$1" || break
        sleep 0.2
    done
    focus "$window"
    sleep 0.5
}

# The portal frame of the examples, so that the page has something to show.
cp "$(dirname "$0")/../examples/portal-frame.str" "$work/portal-frame.str"
"$ruvo" "$work/portal-frame.str" >"$work/ruvo.log" 2>&1 &
pid=$!
window=""
window=$(wait_window main)
xdotool windowsize --sync "$window" 1000 700
focus "$window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"

# File menu, its seventh entry: the print preview.
xdotool mousemove --sync $((X + 20)) $((Y + 10)) click 1
sleep 0.5
for _ in 1 2 3 4 5 6 7; do key Down; done
key Return
preview=$(wait_window "print preview")
xdotool windowsize --sync "$preview" 900 650
shoot "$preview" print-preview
focus "$preview"
key Escape
closed "$preview"

key ctrl+o
dialog=$(wait_window "file dialog")
xdotool windowsize --sync "$dialog" 800 500
shoot "$dialog" file-dialog
focus "$dialog"
key Escape
closed "$dialog"

# A support node in an empty corner makes the structure modified.
key F2
xdotool mousemove --sync $((X + 900)) $((Y + 600)) click 1
sleep 0.5
key ctrl+n
prompt=$(wait_window prompt)
shoot "$prompt" save-prompt
focus "$prompt"
key Escape
closed "$prompt"
