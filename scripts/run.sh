#!/usr/bin/env bash
# Installs what is missing, builds Tincta and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTINCTA_BUILD_TESTS=OFF -DTINCTA_BUILD_BENCH=OFF >/dev/null
cmake --build build --target tincta -j"$(nproc)"
exec build/src/app/tincta
