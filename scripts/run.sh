#!/usr/bin/env bash
# Installs what is missing, builds and starts the desktop program on the
# given structure file, or on a bundled example when none is named.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --parallel "$(nproc)" --target ruvo ruvo-calc

file="${1:-examples/portal-frame.str}"
exec ./build/src/ruvo "$file"
