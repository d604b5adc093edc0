#!/usr/bin/env bash
# Installs what is missing, builds Tincta and runs every test layer: unit, gui and e2e on the
# normal build, unit and gui again under the address and undefined-behaviour sanitizers, the
# registry store's contract under Wine, then a short run of each fuzz target, the format check,
# and the Debian package installed and started.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT

# Runs ctest and keeps its closing counts for the summary at the end.
run_ctest() {
    ctest "$@" 2>&1 | tee -a "$summary"
    return "${PIPESTATUS[0]}"
}

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINCTA_WERROR=ON >/dev/null
cmake --build build-test -j"$jobs"
run_ctest --test-dir build-test --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTINCTA_WERROR=ON -DTINCTA_SANITIZE=ON \
    -DTINCTA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
# Leaks are looked for; only what Qt or a library below it keeps by design may be suppressed, by
# name and with its reason, in tests/lsan.supp.
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1 \
    run_ctest --test-dir build-asan --output-on-failure -j"$jobs" -L 'unit|gui'

# EasyReg over the Windows registry: cross-built with MinGW and run under Wine, in a Wine
# prefix that each run makes afresh.
cmake -S . -B build-mingw --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DTINCTA_REGISTRY_ONLY=ON -DTINCTA_WERROR=ON >/dev/null
cmake --build build-mingw -j"$jobs"
rm -rf build-mingw/wineprefix
run_ctest --test-dir build-mingw --output-on-failure

scripts/fuzz.sh 30
scripts/check-format.sh

# Last, the program as users get it: the Debian package built, installed and started.
TINCTA_JOBS="$jobs" scripts/check-package.sh

# One closing line for both ctest runs (normal build and sanitizer build).
awk '/tests passed, [0-9]+ tests failed out of/ { failed += $4; total += $NF }
     END { printf "Tests: %d passed, %d failed\n", total - failed, failed }' "$summary"
