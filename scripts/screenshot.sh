#!/usr/bin/env bash
# Takes docs/main-window.png, the screenshot of the README and the AppStream metadata, from the
# built program as a new user first sees it: default settings, under Xvfb, without a window frame.
# Usage: scripts/screenshot.sh [program, default build/src/app/tincta]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/src/app/tincta}")
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

source scripts/xvfb.sh
start_xvfb 1280x1024x24 "$work/xvfb.log" || { cat "$work/xvfb.log" >&2; exit 1; }
mkdir -p "$work/home/Desktop" "$work/config"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
    "$program" >"$work/tincta.log" 2>&1 &
app_pid=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^Tincta - New palette$" 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { cat "$work/tincta.log" >&2; echo "the main window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 1 # the first copy to the clipboard, and every paint, are done by then
import -window "$window" docs/main-window.png
echo "docs/main-window.png: $(identify -format '%wx%h' docs/main-window.png)"
