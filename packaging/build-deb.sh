#!/usr/bin/env bash
# Builds the Debian package ruvo_<version>_<arch>.deb in build-release/.
# The release build holds only what is installed: no tests, no benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DRUVO_BUILD_TESTS=OFF -DRUVO_BUILD_BENCH=OFF >/dev/null
cmake --build build-release --parallel 2
(cd build-release && cpack -G DEB)
ls -l build-release/ruvo_*.deb
