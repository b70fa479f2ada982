#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what the desktop reads there:
# every file in its place, the desktop entry and the metainfo valid, the MIME package
# accepted, the icons at their sizes and the version the same everywhere.
# Usage: installation.sh BUILD_DIR APPLICATION_ID VERSION
set -euo pipefail
construction=$1 id=$2 version=$3
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT

echec() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$construction" --prefix "$prefixe" >/dev/null
partage=$prefixe/share
for fichier in bin/tinselbox share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
               share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$prefixe/$fichier" ] || echec "$fichier is not installed"
done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for taille in 48 128 256; do
    png=$partage/icons/hicolor/${taille}x${taille}/apps/$id.png
    [ -f "$png" ] || echec "no $taille px icon"
    dimensions=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
    [ "$dimensions" = "${taille}x${taille}" ] || echec "the $taille px icon is $dimensions"
done

desktop-file-validate "$partage/applications/$id.desktop" || echec "desktop entry rejected"
appstreamcli validate --no-net "$partage/metainfo/$id.metainfo.xml" || echec "metainfo rejected"
grep -q "<release version=\"$version\"" "$partage/metainfo/$id.metainfo.xml" || echec "metainfo release is not $version"

# The MIME type is known by its root element and by no *.xml glob.
sortie=$(XDG_DATA_DIRS=$partage update-mime-database "$partage/mime" 2>&1) || echec "MIME package rejected: $sortie"
[ -z "$sortie" ] || echec "MIME package warnings: $sortie"
grep -q "tinselbox application/x-tinselbox+xml" "$partage/mime/XMLnamespaces" || echec "root element not registered"
grep -q 'x-tinselbox' "$partage/mime/globs2" && echec "the MIME type claims a file name pattern"

[ "$(env -i PATH=/usr/bin:/bin "$prefixe/bin/tinselbox" --version)" = "tinselbox $version" ] \
    || echec "the installed program does not report version $version"
echo "install tree in $prefixe passes"
