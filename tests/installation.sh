#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what the desktop reads there:
# every file in its place, the desktop entry and the metainfo valid, the MIME package
# accepted, the icons at their sizes, the manual page readable and the version the same
# everywhere.
# Usage: installation.sh BUILD_DIR APPLICATION_ID VERSION
#        installation.sh --prefixe PREFIX APPLICATION_ID VERSION   (a tree installed already)
set -euo pipefail
if [ "$1" = --prefixe ]; then
    prefixe=$2 id=$3 version=$4
else
    construction=$1 id=$2 version=$3
    prefixe=$(mktemp -d)
    trap 'rm -rf "$prefixe"' EXIT
    cmake --install "$construction" --prefix "$prefixe" >/dev/null
fi

echec() { echo "FAIL: $*" >&2; exit 1; }

partage=$prefixe/share
for fichier in bin/tinselbox share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
               share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg \
               share/man/man1/tinselbox.1.gz share/doc/tinselbox/copyright share/doc/tinselbox/changelog.gz; do
    [ -f "$prefixe/$fichier" ] || echec "$fichier is not installed"
done

# Only the calendar's own type: claiming application/xml would take over every XML file.
grep -qx 'MimeType=application/x-tinselbox+xml;' "$partage/applications/$id.desktop" \
    || echec "the desktop entry claims other types: $(grep MimeType "$partage/applications/$id.desktop")"

# The manual page formats without a warning and names the version.
avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$partage/man/man1/tinselbox.1.gz" 2>&1 >/dev/null) \
    || echec "the manual page does not format"
[ -z "$avertissements" ] || echec "manual page warnings: $avertissements"
zcat "$partage/man/man1/tinselbox.1.gz" | head -1 | grep -q "tinselbox $version" || echec "the manual page is not of version $version"
zcat "$partage/doc/tinselbox/changelog.gz" | head -1 | grep -q "^tinselbox ($version)" || echec "the changelog does not start at version $version"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for taille in 16 24 32 48 64 128 256; do
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
