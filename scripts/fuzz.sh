#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTINCTA_FUZZ=ON -DTINCTA_BUILD_TESTS=OFF -DTINCTA_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_all
for target in build-fuzz/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    seeds="fuzz/seeds/$name"
    [ -d "$seeds" ] || seeds=""
    echo "fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -print_final_stats=0 "$corpus" $seeds 2>&1 | tail -n 3
done
