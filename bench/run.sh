#!/usr/bin/env bash
# Builds (Release) and runs the benchmarks; prints figures only.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTINCTA_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target bench_tincta bench_settingsstore
XDG_CONFIG_HOME=$(mktemp -d) build-bench/bench/bench_tincta
build-bench/bench/bench_settingsstore
