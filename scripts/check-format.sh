#!/usr/bin/env bash
# Fails when a C++ file differs from what .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed (scripts/install-deps.sh installs it): format not checked" >&2
    exit 1
fi
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "format check passed"
