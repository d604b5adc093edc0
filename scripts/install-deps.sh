#!/usr/bin/env bash
# Installs what building, running and testing Tincta needs on Debian 12, with sudo when not root.
set -euo pipefail
packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libsqlite3-dev libxcb1-dev
    clang libclang-rt-14-dev
    xvfb xdotool xclip imagemagick x11-utils python3
    at-spi2-core python3-pyatspi dbus-daemon
    sway xdg-desktop-portal wl-clipboard qt6-wayland python3-dbus python3-gi
    qt6-base-private-dev libwayland-dev libwayland-bin wayland-protocols
    desktop-file-utils appstream libxml2-utils dpkg-dev file clang-format
    qt6-l10n-tools qt6-tools-dev lintian
    g++-mingw-w64-x86-64 wine64
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
