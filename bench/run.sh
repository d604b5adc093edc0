#!/usr/bin/env bash
# Builds (Release) and runs the benchmarks; prints figures only.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTINCTA_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target bench_tincta bench_settingsstore bench_pickmove bench_colourcheck \
    bench_history bench_notations bench_importcolours bench_startup
XDG_CONFIG_HOME=$(mktemp -d) build-bench/bench/bench_tincta
build-bench/bench/bench_settingsstore
build-bench/bench/bench_colourcheck
XDG_CONFIG_HOME=$(mktemp -d) QT_QPA_PLATFORM=offscreen build-bench/bench/bench_history
build-bench/bench/bench_notations
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_importcolours
# A pick reads the screen through X11, and start-ups are timed to their first frame on it: on
# the display given, or on a virtual one.
if [ -z "${DISPLAY:-}" ]; then
    source scripts/xvfb.sh
    start_xvfb 1280x1024x24 /dev/null
    trap 'kill "$xvfb_pid"' EXIT
fi
QT_QPA_PLATFORM=xcb build-bench/bench/bench_pickmove
build-bench/bench/bench_startup
