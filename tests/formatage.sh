#!/usr/bin/env bash
# Fails when a C++ file of the source tree differs from .clang-format, naming each place.
# Usage: formatage.sh SOURCE_DIR [CLANG_FORMAT]
set -euo pipefail
cd "$1"
outil=${2:-clang-format}

# The files git knows or would add; a tree without git falls back on the source folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' fichiers < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
else
    mapfile -d '' fichiers < <(find core gui tests bench tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
presents=()
for fichier in "${fichiers[@]}"; do
    [ -f "$fichier" ] && presents+=("$fichier")
done
((${#presents[@]})) || { echo "FAIL: no C++ file found" >&2; exit 1; }
"$outil" --dry-run --Werror "${presents[@]}"
echo "${#presents[@]} C++ files follow .clang-format"
