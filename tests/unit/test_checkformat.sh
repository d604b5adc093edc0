#!/usr/bin/env bash
# The format check must fail, not pass, on a machine without clang-format: a check that did not
# run is no check.
set -uo pipefail
script="$1"
tools=$(mktemp -d)
trap 'rm -rf "$tools"' EXIT
for tool in bash dirname git xargs; do
    ln -s "$(command -v "$tool")" "$tools/$tool"
done
output=$(PATH="$tools" "$tools/bash" "$script" 2>&1)
status=$?
if [ "$status" -eq 0 ]; then
    echo "the format check passed without clang-format: $output"
    exit 1
fi
case "$output" in
*"clang-format is not installed"*) echo "fails as it should: $output" ;;
*) echo "failed for another reason ($status): $output"; exit 1 ;;
esac
