#!/usr/bin/env bash
# Builds the Debian package (Release), checks it with lintian (an error fails the check),
# validates the desktop entry and AppStream metadata, installs the package on this machine and starts the installed /usr/bin/tincta under Xvfb:
# its main window must appear, F1 must open the help viewer, and Ctrl+W must end it cleanly.
# Needs root or sudo for the installation. A package that was not installed before is removed
# again at the end; pass --keep to leave it installed.
set -euo pipefail
cd "$(dirname "$0")/.."

keep=0
[[ ${1:-} == --keep ]] && keep=1
build=build-package
jobs=${TINCTA_JOBS:-2}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

fail() { echo "check-package: $*" >&2; exit 1; }

echo "== building the package"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DTINCTA_BUILD_TESTS=OFF -DTINCTA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs"
rm -f "$build"/tincta_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/tincta_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "cpack made no package"
deb=$(realpath "$deb")
echo "built $deb"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends Recommends

echo "== package contents"
contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in ./usr/bin/tincta ./usr/share/tincta/help/tincta1.htm ./usr/share/tincta/help/tincta10.htm \
    ./usr/share/applications/io.github.tincta.Tincta.desktop \
    ./usr/share/metainfo/io.github.tincta.Tincta.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/io.github.tincta.Tincta.svg \
    ./usr/share/doc/tincta/copyright ./usr/share/doc/tincta/changelog.gz \
    ./usr/share/man/man1/tincta.1.gz ./usr/share/tincta/translations/tincta_de.qm; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb --field "$deb" Depends)
count=$(tr ',' '\n' <<<"$depends" | grep -c "^ *libqt6widgets6\b" || true)
((count == 1)) || fail "Depends names libqt6widgets6 $count times: $depends"
# The icons are drawn at build time: the program must not pull in Qt's SVG module.
if tr ',' '\n' <<<"$depends" | grep -q "^ *libqt6svg6\b"; then
    fail "Depends names libqt6svg6, which the program no longer uses: $depends"
fi
recommends=$(dpkg-deb --field "$deb" Recommends)
for package in qt6-wayland xdg-desktop-portal qt6-translations-l10n; do
    tr ',' '\n' <<<"$recommends" | grep -q "^ *$package\b" || fail "Recommends lacks $package: $recommends"
done
echo "contents and dependencies as expected"

echo "== lintian"
lintian_log=$(mktemp)
status=0
lintian --pedantic --info --fail-on error "$deb" >"$lintian_log" 2>&1 || status=$?
cat "$lintian_log"
echo "lintian: $(grep -c '^E: ' "$lintian_log" || true) errors, $(grep -c '^W: ' "$lintian_log" || true) warnings," \
    "$(grep -c '^I: ' "$lintian_log" || true) notes, $(grep -c '^P: ' "$lintian_log" || true) pedantic"
rm -f "$lintian_log"
((status == 0)) || fail "lintian found errors"

echo "== desktop files"
scripts/validate-desktop-files.sh

echo "== installing"
was_installed=0
dpkg-query -W -f='${Status}' tincta 2>/dev/null | grep -q 'install ok installed' && was_installed=1
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
[ -x /usr/bin/tincta ] || fail "/usr/bin/tincta is not there after installing"

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    if ((!keep && !was_installed)); then
        DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq tincta >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

echo "== starting the installed program under Xvfb"
source scripts/xvfb.sh
start_xvfb 1280x1024x24 "$work/xvfb.log" || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
echo "Xvfb is up on $DISPLAY"

# One version number: what the program says is what the package is.
version=$(QT_QPA_PLATFORM=xcb /usr/bin/tincta --version)
[ "$version" = "Tincta $(dpkg-deb --field "$deb" Version)" ] ||
    fail "the program says '$version', the package is $(dpkg-deb --field "$deb" Version)"
echo "$version"

# The program gets a settings folder and a home of its own, so nothing of the user's is touched.
mkdir -p "$work/home/Desktop" "$work/config"

wait_for_window() { # name, seconds; prints the window id
    local deadline=$((SECONDS + $2)) id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# The installed German catalogue is found by locale.
LANGUAGE=de HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
    /usr/bin/tincta >"$work/tincta.log" 2>&1 &
app_pid=$!
wait_for_window "Tincta - Neue Palette" 20 >/dev/null || {
    cat "$work/tincta.log" >&2
    fail "with LANGUAGE=de the main window is not titled in German"
}
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
echo "the installed program speaks German with LANGUAGE=de"

LANGUAGE= LC_ALL=C.UTF-8 HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
    /usr/bin/tincta >"$work/tincta.log" 2>&1 &
app_pid=$!

main=$(wait_for_window "Tincta - New palette" 20) || {
    cat "$work/tincta.log" >&2
    fail "the main window did not appear"
}
echo "main window $main is up"

xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.5
xdotool key F1
viewer=$(wait_for_window "Tincta Help" 10) || {
    cat "$work/tincta.log" >&2
    fail "F1 did not show the help viewer"
}
echo "help viewer $viewer is up"

# Back to the main window and Exit; an unchanged palette ends without a question.
xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
xdotool key ctrl+w
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program did not end after Exit"
fi
status=0
wait "$app_pid" || status=$?
app_pid=""
((status == 0)) || { cat "$work/tincta.log" >&2; fail "the program ended with status $status"; }
echo "the installed program started, showed its help and ended cleanly"
echo "package check passed"
