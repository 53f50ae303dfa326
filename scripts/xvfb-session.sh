# Starts a private Xvfb for a script that drives the program: makes the
# scratch folder $work, exports DISPLAY, and on exit stops the X server and
# the process in $pid (set by the caller) and removes $work. Sourced.
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

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
display=""
for _ in $(seq 100); do
    display=$(tr -dc 0-9 <"$work/display")
    [ -n "$display" ] && xdpyinfo -display ":$display" >/dev/null 2>&1 && break
    display=""
    sleep 0.1
done
[ -n "$display" ] || { echo "no X server could be started" >&2; exit 2; }
export DISPLAY=":$display"
