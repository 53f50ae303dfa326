#!/bin/sh
# Writes the benchmark frame as a structure file: STOREYS storeys by BAYS
# bays, storey height 3 m, bay width 6 m, fixed feet, every joint rigid,
# columns EI 2e7, beams EI 4e7, a horizontal force of 1000 N at the left
# node of each floor. Same structure as FrameBench.cpp's MakeFrame. EF, the
# optional third argument, is the rods' axial rigidity (default 1).
#
#   bench/core/make-frame.sh 30 20 > frame-30x20.str
#   bench/core/make-frame.sh 100 100 1e10 > frame-100x100.str
#   build/tools/ruvo-calc frame-30x20.str
set -eu
if [ $# -ne 2 ] && [ $# -ne 3 ]; then
    echo "usage: $0 STOREYS BAYS [EF]" >&2
    exit 2
fi
LC_ALL=C awk -v storeys="$1" -v bays="$2" -v EF="${3:-1}" 'BEGIN {
    print "# Ruvo for Windows 2.0"
    print "# Ruvo structure file, (c) Ostrand"
    print ""
    print "FileVersion = 3"
    print ""
    n = 0
    for (s = 0; s <= storeys; s++)
        for (c = 0; c <= bays; c++) {
            n++
            free = s > 0 ? 1 : 0
            fx = (s > 0 && c == 0) ? 1000 : 0
            printf "Node0 %d %10.10g %10.10g %d %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g\n",
                   n, c * 6.0, s * 3.0, free, fx, 0, 0, 0, 0, 0
        }
    print ""
    r = 0
    for (s = 1; s <= storeys; s++) {
        for (c = 0; c <= bays; c++)
            rod(++r, (s - 1) * (bays + 1) + c, s * (bays + 1) + c, 2.0e7)
        for (c = 0; c < bays; c++)
            rod(++r, s * (bays + 1) + c, s * (bays + 1) + c + 1, 4.0e7)
    }
}
function rod(number, b, e, EI) {
    printf "Rod0 %d %d %d %d %d %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g \n",
           number, b, e, 2, 2, 0, 0, 0, 0, 0, 0, EI, EF, 1, 1, 1, 0.3
}'
