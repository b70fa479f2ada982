#!/bin/sh
# Renders every picture the README shows, keeping their names: the editor's windows
# offscreen (captures), the generated page in headless Chromium (page.js). No display needed.
#   tools/captures/toutes.sh <directory> <captures program> <tinselbox program>
# Fails when a picture the README names was not made.
set -eu

destination=${1:?usage: $0 <directory> <captures program> <tinselbox program>}
captures=${2:?usage: $0 <directory> <captures program> <tinselbox program>}
programme=${3:?usage: $0 <directory> <captures program> <tinselbox program>}
racine=$(cd "$(dirname "$0")/../.." && pwd)

mkdir -p "$destination"
unset DISPLAY WAYLAND_DISPLAY
QT_QPA_PLATFORM=offscreen "$captures" "$destination"
(cd "$racine" && node tools/captures/page.js "$destination" "$programme")

manquantes=0
for nom in $(grep -o 'docs/screenshots/[A-Za-z0-9_-]*\.png' "$racine/README.md" | sort -u); do
    if [ ! -s "$destination/$(basename "$nom")" ]; then
        echo "not made: $nom" >&2
        manquantes=1
    fi
done
exit $manquantes
