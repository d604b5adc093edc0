#!/usr/bin/env bash
# Brings every catalogue translations/tincta_<locale>.ts up to date with the texts of the
# program: new texts are added as unfinished, texts no longer used are dropped, translations
# already made are kept. Translate the unfinished ones (Qt Linguist, or by hand in the file)
# and commit the catalogue; the build compiles it. The list of sources comes from a configured
# build folder.
# Usage: scripts/update-translations.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
sources="$build/translations/sources.lst"
[ -f "$sources" ] || { echo "update-translations: configure $build first ($sources is missing)" >&2; exit 1; }
lupdate=$(command -v lupdate6 || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
for catalogue in translations/tincta_*.ts; do
    "$lupdate" -silent -source-language en -no-obsolete -locations none -I src \
        @"$sources" -ts "$catalogue"
    unfinished=$(grep -c 'type="unfinished"' "$catalogue" || true)
    echo "$catalogue: $unfinished texts left to translate"
done
