#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one
# for a bounded time, starting from the seed corpus in fuzz/corpus/.
#   scripts/fuzz.sh            60 seconds per target
#   scripts/fuzz.sh 600        ten minutes per target
#   scripts/fuzz.sh 0 FILE...  runs the targets once on the given inputs
# A finding (crash, hang, sanitizer report, broken invariant) stops the run
# with a non-zero status; the input is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

seconds="${1:-60}"
shift || true
build_dir=build-fuzz
compiler=$(command -v clang++-14 || command -v clang++)

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRUVO_FUZZ=ON -DRUVO_BUILD_GUI=OFF -DRUVO_BUILD_TESTS=OFF -DRUVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --parallel 2 --target ReadStructureFuzzer CalculateFuzzer

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$build_dir/findings"

# target, longest input in bytes. Calculation inputs stay small enough that
# one calculation takes milliseconds; the reader gets longer files.
targets=("ReadStructureFuzzer 16384" "CalculateFuzzer 4096")
for entry in "${targets[@]}"; do
    read -r target max_len <<<"$entry"
    binary="$build_dir/fuzz/$target"
    if [ "$seconds" = 0 ]; then
        echo "== $target on $# given inputs"
        "$binary" -timeout=10 -rss_limit_mb=2048 "$@"
        continue
    fi
    # The working corpus grows in the build folder; the seeds stay as they are.
    work="$build_dir/corpus/$target"
    mkdir -p "$work"
    echo "== $target for $seconds s"
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
        -print_final_stats=1 -artifact_prefix="$build_dir/findings/$target-" \
        "$work" fuzz/corpus 2>"$build_dir/$target.log" || {
        tail -n 60 "$build_dir/$target.log"
        echo "$target: finding kept in $build_dir/findings/" >&2
        exit 1
    }
    grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$build_dir/$target.log" || true
done
echo "fuzzing: no findings"
