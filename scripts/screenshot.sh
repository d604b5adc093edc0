#!/usr/bin/env bash
# Takes docs/main-window.png, the screenshot of the README and the AppStream metadata, from the
# built program as a new user first sees it: default settings, under Xvfb, without a window frame.
# Usage: scripts/screenshot.sh [program, default build/src/app/tincta]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/src/app/tincta}")
work=$(mktemp -d)
source scripts/xvfb.sh
start_xvfb 1280x1024x24 "$work/xvfb.log" || { cat "$work/xvfb.log" >&2; exit 1; }
mkdir -p "$work/home/Desktop" "$work/config"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANGUAGE= \
    "$program" >"$work/tincta.log" 2>&1 &
trap 'kill $! $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tincta - New palette$" | head -n 1)
# Activation selects the notation and renders the colour, as it does for a user.
xdotool windowfocus --sync "$window"
sleep 1 # the first copy to the clipboard, and every paint, are done by then
# No time stamps in the file, so an unchanged window gives an unchanged file.
import -window "$window" -strip -define png:exclude-chunks=date,time docs/main-window.png
echo "docs/main-window.png: $(identify -format '%wx%h' docs/main-window.png)"
