#!/usr/bin/env bash
# Installs what is missing, builds the command-line calculator and prints the
# results report of a structure file (examples/portal-frame.str when no file
# is named). Arguments are those of ruvo-calc:
#   scripts/calc.sh [--log PATH] [--debug] [FILE.str]
# The build messages go to stderr, so stdout holds only the report.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

bash "$root/scripts/install-deps.sh" >&2
cmake -S "$root" -B "$root/build" -G Ninja >&2
cmake --build "$root/build" --parallel "$(nproc)" --target ruvo-calc >&2

has_file=no
expect_value=no
for argument in "$@"; do
    if [ "$expect_value" = yes ]; then
        expect_value=no
    elif [ "$argument" = "--log" ]; then
        expect_value=yes
    elif [ "${argument#-}" = "$argument" ]; then
        has_file=yes
    fi
done
if [ "$has_file" = no ]; then
    set -- "$@" "$root/examples/portal-frame.str"
fi
exec "$root/build/tools/ruvo-calc" "$@"
