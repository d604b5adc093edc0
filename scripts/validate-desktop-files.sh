#!/usr/bin/env bash
# Checks the desktop entry and the AppStream metadata as menus and software centres read them,
# and that every file the resource list names exists and is well-formed.
set -uo pipefail
cd "$(dirname "$0")/.."

app_id=io.github.tincta.Tincta
failed=0

need() {
    command -v "$1" >/dev/null || { echo "missing tool: $1 (package $2)"; exit 2; }
}
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need xmllint libxml2-utils

echo "== desktop entry"
desktop-file-validate "resources/$app_id.desktop" || failed=1
grep -qx "Icon=$app_id" "resources/$app_id.desktop" || { echo "Icon= is not $app_id"; failed=1; }

echo "== AppStream metadata"
appstreamcli validate --no-net --strict "resources/$app_id.metainfo.xml" || failed=1
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "resources/$app_id.metainfo.xml" || { echo "launchable does not name $app_id.desktop"; failed=1; }

echo "== resource files"
xmllint --noout resources/tincta.qrc || failed=1
while read -r file; do
    path="resources/$file"
    if [[ ! -f $path ]]; then
        echo "listed in tincta.qrc but missing: $path"; failed=1
    elif [[ $path == *.svg ]]; then
        xmllint --noout "$path" || failed=1
    fi
done < <(sed -n 's:.*<file[^>]*>\(.*\)</file>.*:\1:p' resources/tincta.qrc)

if ((failed)); then
    echo "validation FAILED"
    exit 1
fi
echo "validation passed"
