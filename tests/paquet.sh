#!/usr/bin/env bash
# The install targets as a user runs them, from the repository root: `make install` into
# a temporary prefix builds no test and gives a tree the desktop accepts, `make package`
# gives a package that lintian passes without an error or a warning, with the documents
# and every icon size, and `make uninstall` then leaves the prefix empty: the package's
# build did not touch the install's list.
set -euo pipefail
cd "$(dirname "$0")/.."
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
echec() { echo "FAIL: $*" >&2; exit 1; }

id=$(sed -n 's/^set(TINSELBOX_IDENTIFIANT \(.*\))$/\1/p' CMakeLists.txt)
version=$(sed -n 's/^project(tinselbox VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
[ -n "$id" ] && [ -n "$version" ] || echec "no application id or version in CMakeLists.txt"

make install PREFIX="$prefixe"
[ -z "$(find build-install -name 'tst_*' -type f -perm -u+x -print -quit)" ] || echec "make install built tests"
tests/installation.sh --prefixe "$prefixe" "$id" "$version"

make package
paquet=build-package/tinselbox_${version}_$(dpkg --print-architecture).deb
[ -f "$paquet" ] || echec "no package $paquet"
lintian --fail-on error,warning "$paquet" || echec "lintian reports errors or warnings"
contenu=$(dpkg-deb --contents "$paquet" | awk '{ print $6 }')
attendus=(./usr/bin/tinselbox ./usr/share/doc/tinselbox/copyright ./usr/share/doc/tinselbox/changelog.gz
          ./usr/share/man/man1/tinselbox.1.gz ./usr/share/applications/$id.desktop)
for taille in 16 24 32 48 64 128 256; do
    attendus+=(./usr/share/icons/hicolor/${taille}x${taille}/apps/$id.png)
done
for fichier in "${attendus[@]}"; do
    grep -qx -- "$fichier" <<< "$contenu" || echec "the package lacks $fichier"
done

make uninstall PREFIX="$prefixe"
reste=$(find "$prefixe" -mindepth 1)
[ -z "$reste" ] || echec "make uninstall left: $reste"
echo "install, package and uninstall pass"
