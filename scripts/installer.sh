#!/usr/bin/env bash
# Installs a build under a prefix, and takes exactly that install away again.
#   installer.sh installer BUILD PREFIX
#   installer.sh desinstaller BUILD PREFIX
# An install keeps, in BUILD, a record per prefix: the files it wrote and the folders it
# had to create. Uninstalling removes those files, then those folders once empty, so
# several prefixes, and a package built elsewhere, never share a list. DESTDIR stages
# the install (as a package build does); the desktop's caches are then left to the
# target system, otherwise they are refreshed, or removed where nothing is left for them.
set -euo pipefail
action=${1:-} construction=${2:-} prefixe=${3:-}
if [ -z "$prefixe" ] || { [ "$action" != installer ] && [ "$action" != desinstaller ]; }; then
    echo "usage: $0 installer|desinstaller BUILD PREFIX" >&2
    exit 2
fi
prefixe=$(realpath -m "$prefixe")
racine=${DESTDIR:-}$prefixe
releve=$construction/installations/$(printf '%s' "$racine" | tr '/' '_')

# The menu, the file types and the icon theme read caches that a copy does not refresh.
rafraichir_caches() {
    [ -z "${DESTDIR:-}" ] || return 0
    local applications=$racine/share/applications mime=$racine/share/mime
    local icones=$racine/share/icons/hicolor
    if [ -d "$applications" ]; then
        if compgen -G "$applications/*.desktop" >/dev/null; then
            if command -v update-desktop-database >/dev/null; then update-desktop-database -q "$applications"; fi
        else
            rm -f "$applications/mimeinfo.cache"
        fi
    fi
    if [ -d "$mime" ]; then
        if compgen -G "$mime/packages/*.xml" >/dev/null; then
            # Named in the search path, so that a prefix of its own gets no notice about it.
            if command -v update-mime-database >/dev/null; then
                XDG_DATA_DIRS=$racine/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share} update-mime-database "$mime"
            fi
        else
            # Everything beside packages/ is derived from what packages/ held.
            find "$mime" -mindepth 1 -maxdepth 1 ! -name packages -exec rm -rf {} +
        fi
    fi
    if [ -d "$icones" ]; then
        if [ -n "$(find "$icones" -type f ! -name icon-theme.cache ! -name index.theme -print -quit)" ]; then
            if command -v gtk-update-icon-cache >/dev/null; then gtk-update-icon-cache -q -t "$icones" || true; fi
        else
            rm -f "$icones/icon-theme.cache"
        fi
    fi
}

installer() {
    # A staged copy first shows which folders the install will create.
    essai=$(mktemp -d)
    trap 'rm -rf "$essai"' EXIT
    DESTDIR=$essai cmake --install "$construction" --prefix "$prefixe" >/dev/null
    mkdir -p "$releve"
    (cd "$essai" && find . -mindepth 1 -type d | sed 's|^\.||') | while IFS= read -r dossier; do
        [ -e "${DESTDIR:-}$dossier" ] || printf '%s\n' "${DESTDIR:-}$dossier"
    done | sort -r > "$releve/dossiers"

    cmake --install "$construction" --prefix "$prefixe" --strip
    cp "$construction/install_manifest.txt" "$releve/fichiers"
    rafraichir_caches
}

desinstaller() {
    if [ ! -f "$releve/fichiers" ]; then
        echo "Nothing was installed under $racine from $construction" >&2
        exit 1
    fi
    xargs -d '\n' rm -f -- < "$releve/fichiers"
    rafraichir_caches
    # Deepest first; a folder that holds something else stays.
    xargs -d '\n' -r rmdir --ignore-fail-on-non-empty -- < "$releve/dossiers"
    rm -rf "$releve"
    echo "Removed the install under $racine"
}

"$action"
