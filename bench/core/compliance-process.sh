#!/bin/sh
# Whole-process figures of ruvo-calc --axial-compliance on the generated
# rigid frames (EF = 1e10): elapsed time and peak memory from /usr/bin/time -v,
# the best of RUNS runs (default 5).
#
#   bench/core/compliance-process.sh build/tools/ruvo-calc [RUNS]
set -eu
if [ $# -lt 1 ]; then
    echo "usage: $0 RUVO-CALC [RUNS]" >&2
    exit 2
fi
calc=$1
runs=${2:-5}
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in "30 20" "60 40" "100 100"; do
    set -- $size
    file="$work/frame-$1x$2.str"
    sh "$here/make-frame.sh" "$1" "$2" 1e10 > "$file"
    best=""
    peak=""
    i=0
    while [ $i -lt "$runs" ]; do
        /usr/bin/time -v "$calc" --axial-compliance "$file" > /dev/null 2> "$work/time.txt"
        elapsed=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt" |
            awk -F: '{ print $(NF-1) * 60 + $NF }')
        rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
        if [ -z "$best" ] || awk -v a="$elapsed" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best=$elapsed
        fi
        if [ -z "$peak" ] || [ "$rss" -gt "$peak" ]; then
            peak=$rss
        fi
        i=$((i + 1))
    done
    printf '%sx%s: %s s, peak %s MB\n' "$1" "$2" "$best" "$((peak / 1024))"
done
