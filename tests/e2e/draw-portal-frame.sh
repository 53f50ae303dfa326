#!/usr/bin/env bash
# End to end, as a new user would work: starts the program with no file
# under Xvfb, draws a portal frame with the mouse and the function keys
# (F2 support nodes, F3 free nodes, F4 rods, F5 a force, F6 a distributed
# load), switches on the moment diagram, saves with Ctrl+S through the file
# dialog, and checks the saved file: its node and rod lines, and the end
# moments that ruvo-calc reports against a slope-deflection solution.
#
#   tests/e2e/draw-portal-frame.sh [BUILD_DIR] [SCREENSHOT.png]
#
# BUILD_DIR defaults to ./build (it must hold src/ruvo and ruvo-calc). Exits
# 77 (skipped) when Xvfb, xdpyinfo, xdotool, ImageMagick or python3 is
# missing, or when no X server can be started.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath -m "${1:-build}")
shot=$(realpath -m "${2:-$build/drawn-portal-frame.png}")

for tool in Xvfb xdpyinfo xdotool import convert python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed" >&2
        exit 77
    fi
done
if ! convert -version 2>/dev/null | grep -q ImageMagick; then
    echo "skipped: convert is not ImageMagick's" >&2
    exit 77
fi
ruvo="$build/src/ruvo"
calc="$build/tools/ruvo-calc/ruvo-calc"
[ -x "$calc" ] || calc="$build/tools/ruvo-calc"
if [ ! -x "$ruvo" ] || [ ! -x "$calc" ]; then
    echo "build ruvo and ruvo-calc in $build first" >&2
    exit 2
fi

work=$(mktemp -d)
pid=""
xvfb=""
cleanup() {
    local status=$?
    for process in $pid $xvfb; do
        kill "$process" 2>/dev/null || true
        wait "$process" 2>/dev/null || true
    done
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

# The drawing runs on a private X server. Xvfb picks a display number on
# which it can open every listening socket itself (-displayfd), so that a
# server another user or container runs on the usual :99 is never taken for
# ours; the display is used only once it answers.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
display=""
for _ in $(seq 100); do
    display=$(tr -dc 0-9 <"$work/display")
    [ -n "$display" ] && xdpyinfo -display ":$display" >/dev/null 2>&1 && break
    display=""
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$display" ]; then
    echo "skipped: no X server could be started" >&2
    cat "$work/xvfb.log" >&2
    exit 77
fi
export DISPLAY=":$display"
unset XAUTHORITY

# A first start: fresh settings, except that new rods are rigidly joined
# (the "Type" of the options dialog), so that the frame carries sideways loads.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work"
# The Russian interface, whatever the caller's desktop language: the
# script finds the dialogs by their Russian titles.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
# A real window on the X server (test runs may ask Qt for offscreen).
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/Ostrand" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Settings]\nType=2\n' >"$XDG_CONFIG_HOME/Ostrand/Руво.conf"
saved="$work/portal.str"

# Gives the keyboard focus to a window. Without a window manager nobody
# does it for us, and the X server refuses it (BadMatch) while the window is
# not yet mapped, so a refusal is retried for a while.
focus() {
    for _ in $(seq 100); do
        xdotool windowfocus --sync "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "FAIL: window $1 could not be given the keyboard focus" >&2
    exit 1
}

"$ruvo" >"$work/ruvo.log" 2>&1 &
pid=$!
# The window carries its title before it is mapped: wait until it is shown.
window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name 'Руво' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "FAIL: the main window did not appear" >&2
    cat "$work/ruvo.log" >&2
    exit 1
fi
xdotool windowsize --sync "$window" 1000 700
focus "$window"
sleep 1

# World (metres) to screen pixels: the origin marker of the view lies at
# world (0, 0) with a grid dot on it; the dots along its row are 0.5 m apart.
eval "$(xdotool getwindowgeometry --shell "$window")"
find_origin() {
    import -window root "$work/start.png"
    python3 - "$work/start.png" "$X" "$Y" "$WIDTH" "$HEIGHT" <<'PY'
import subprocess, sys
path, wx, wy, w, h = sys.argv[1], *map(int, sys.argv[2:])
raw = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{wx}+{wy}", "+repage", "-depth", "8", "rgb:-"],
                     check=True, capture_output=True).stdout
def rgb(x, y):
    i = 3 * (y * w + x)
    return tuple(raw[i:i + 3])
marker = [(x, y) for y in range(h) for x in range(w) if rgb(x, y) == (0, 0, 127)]
if not marker:
    sys.exit("no origin marker on the screen")
xs, ys = [p[0] for p in marker], [p[1] for p in marker]
red = [(x, y) for y in range(min(ys) - 1, max(ys) + 2) for x in range(min(xs) - 1, max(xs) + 2)
       if rgb(x, y) == (255, 0, 0)]
if not red:
    sys.exit("no grid dot at the origin")
ox, oy = red[0]
dots = [x for x in range(ox, w) if rgb(x, oy) == (255, 0, 0)]
scale = (dots[-1] - dots[0]) / (0.5 * (len(dots) - 1))
print(ox + wx, oy + wy, scale)
PY
}
mapping=""
for _ in $(seq 20); do # the first paint may take a while in a slow build
    mapping=$(find_origin 2>/dev/null) && break
    sleep 0.5
done
if [ -z "$mapping" ]; then
    echo "FAIL: the view shows no origin marker" >&2
    exit 1
fi
read -r origin_x origin_y scale <<<"$mapping"
echo "origin at ($origin_x, $origin_y), $scale pixels per metre"

at() { # world x y -> screen x y
    python3 -c "import sys; x, y = map(float, sys.argv[1:]); print(round($origin_x + x * $scale), round($origin_y - y * $scale))" "$1" "$2"
}
click_at() {
    read -r sx sy < <(at "$1" "$2")
    xdotool mousemove --sync "$sx" "$sy" click 1
    sleep 0.3
}
key() {
    xdotool key --clearmodifiers "$@"
    sleep 0.3
}
# Without a window manager the keyboard focus does not come back to the
# main window by itself when a dialog closes.
refocus() {
    focus "$window"
    sleep 0.3
}
# Waits for a dialog of the title to open, or to close. An opened dialog is
# given the focus here, so that typing never reaches the blocked main window
# while the program has not yet activated the dialog itself.
dialog_opens() {
    local dialog
    if ! dialog=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | sed -n 1p) || [ -z "$dialog" ]; then
        echo "FAIL: the dialog \"$1\" did not open" >&2
        exit 1
    fi
    focus "$dialog"
    sleep 0.3
}
dialog_closes() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || { refocus; return; }
        sleep 0.1
    done
    echo "FAIL: the dialog \"$1\" did not close" >&2
    exit 1
}
# Types into the focused field of a dialog, replacing its text.
field() {
    key ctrl+a
    xdotool type --delay 50 -- "$1"
    sleep 0.2
}

width=6
height=4
force=10
load=-2

key F2 # support nodes
click_at 0 0
click_at "$width" 0
key F3 # free nodes
click_at 0 "$height"
click_at "$width" "$height"
key F4 # rods
click_at 0 0
click_at 0 "$height"
click_at 0 "$height"
click_at "$width" "$height"
click_at "$width" "$height"
click_at "$width" 0
key F5 # a horizontal force at the top of the left column
click_at 0 "$height"
dialog_opens "Сила"
field "$force"
key Tab
field 0
key Return
dialog_closes "Сила"
key F6 # a distributed load along the beam
click_at "$(python3 -c "print($width / 2)")" "$height"
dialog_opens "Распределенная нагрузка"
field 0
key Tab
field "$load"
key Return
dialog_closes "Распределенная нагрузка"
key F10

# "Вид" is the third menu; "Эпюра моментов" its fifth item (a menu opened
# from the keyboard starts on its first item).
xdotool mousemove --sync $((X + 20)) $((Y + 8)) click 1
sleep 0.5
key Right
key Right
for _ in 1 2 3 4; do key Down; done
key Return
sleep 1
refocus
key ctrl+r # the whole structure in the window

key ctrl+s
dialog_opens "Сохранить как"
field "$saved"
key Return
dialog_closes "Сохранить как"
sleep 0.5
import -window root "$work/shot.png"
convert "$work/shot.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
echo "screenshot: $shot"

if [ ! -f "$saved" ]; then
    echo "FAIL: nothing was saved at $saved" >&2
    exit 1
fi

# The saved structure is the one drawn: two supports, two free nodes, three
# rigidly joined rods, the force at node 3 and the load on the beam. The
# calculation puts free nodes first, so the lines are compared by what they
# describe, not by their order.
python3 - "$saved" "$width" "$height" "$force" "$load" <<'PY'
import sys
path, L, h, P, q = sys.argv[1], *map(float, sys.argv[2:])
nodes, rods = [], []
for line in open(path, encoding="ascii"):
    fields = line.split()
    if line.startswith("Node"):
        nodes.append((int(fields[1]), *map(float, fields[2:4]), int(fields[4]), *map(float, fields[5:11])))
    elif line.startswith("Rod"):
        rods.append([int(v) for v in fields[1:6]] + [float(v) for v in fields[6:18]])
#             number  x  y  free  Fx Fy M  dx dy da
expected_nodes = [(1, 0, 0, 0, 0, 0, 0, 0, 0, 0), (2, L, 0, 0, 0, 0, 0, 0, 0, 0),
                  (3, 0, h, 1, P, 0, 0, 0, 0, 0), (4, L, h, 1, 0, 0, 0, 0, 0, 0)]
if sorted(nodes) != sorted(expected_nodes):
    sys.exit(f"FAIL: saved nodes {sorted(nodes)}, drawn {expected_nodes}")
by_position = [n[0] for n in nodes]
def describe(rod):
    number, begin, end, joint_b, joint_e, *values = rod
    return (number, frozenset((by_position[begin], by_position[end])), joint_b, joint_e, tuple(values))
#          number  node numbers       joints  angles  qx qy        temperatures  EI EF H Alpha Mu Nu
rest = lambda qy: (0.0, 0.0, 0.0, qy, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0)
expected_rods = {(1, frozenset((1, 3)), 2, 2, rest(0.0)), (2, frozenset((3, 4)), 2, 2, rest(q)),
                 (3, frozenset((2, 4)), 2, 2, rest(0.0))}
if {describe(r) for r in rods} != expected_rods or len(rods) != 3:
    sys.exit(f"FAIL: saved rods {rods}")
print("saved structure: 4 nodes and 3 rods as drawn")
PY

if ! "$calc" "$saved" >"$work/report.txt" 2>&1; then
    echo "FAIL: ruvo-calc refused the saved structure" >&2
    cat "$work/report.txt" >&2
    exit 1
fi

# The six end moments against the slope-deflection method (fixed bases,
# rigid corners, rods without axial strain, EI = 1).
python3 - "$work/report.txt" "$width" "$height" "$force" "$load" <<'PY'
import re, sys
report = open(sys.argv[1], encoding="utf-8", errors="replace").read()
L, h, P, q = map(float, sys.argv[2:])
section = report.split("Моменты")[1].split("Поперечные силы")[0]
found = sorted(abs(float(v)) for v in re.findall(r"M\(\d+\) =\s*(\S+)", section))
# Unknowns: rotations of the corners B (left) and C (right) and the sway d;
# end moments clockwise positive, a downward load q < 0.
w = -q
fem = w * L * L / 12
k, kb = 2 / h, 2 / L
def moments(tb, tc, d):
    psi = d / h
    return {"AB": k * (tb - 3 * psi), "BA": k * (2 * tb - 3 * psi), "BC": kb * (2 * tb + tc) - fem,
            "CB": kb * (2 * tc + tb) + fem, "CD": k * (2 * tc - 3 * psi), "DC": k * (tc - 3 * psi)}
def equations(x):
    m = moments(*x)
    return [m["BA"] + m["BC"], m["CB"] + m["CD"], (m["AB"] + m["BA"] + m["CD"] + m["DC"]) / h + P]
# The equations are linear: columns of the matrix from unit vectors.
base = equations([0, 0, 0])
matrix = [[equations([1 if j == c else 0 for j in range(3)])[r] - base[r] for c in range(3)] for r in range(3)]
rhs = [-b for b in base]
for c in range(3):  # Gauss-Jordan elimination with partial pivoting
    p = max(range(c, 3), key=lambda r: abs(matrix[r][c]))
    matrix[c], matrix[p], rhs[c], rhs[p] = matrix[p], matrix[c], rhs[p], rhs[c]
    for r in range(3):
        if r != c:
            f = matrix[r][c] / matrix[c][c]
            matrix[r] = [a - f * b for a, b in zip(matrix[r], matrix[c])]
            rhs[r] -= f * rhs[c]
solution = [rhs[i] / matrix[i][i] for i in range(3)]
expected = sorted(abs(v) for v in moments(*solution).values())
print("end moments reported:", " ".join(f"{v:.6g}" for v in found))
print("end moments expected:", " ".join(f"{v:.6g}" for v in expected))
if len(found) != 6 or any(abs(a - b) > 1e-5 * max(1.0, abs(b)) for a, b in zip(found, expected)):
    sys.exit("FAIL: the end moments differ from the slope-deflection solution")
PY
echo "PASS: a portal frame drawn with the mouse was saved and calculates as expected"
