#!/bin/sh
# Brings every .ts file up to date with the texts of the sources, from the repository root
# or anywhere: new texts arrive unfinished, texts gone from the sources are dropped.
set -e
cd "$(dirname "$0")/.."
for ts in translations/tinselbox_*.ts; do
    case "$ts" in
    */tinselbox_en.ts) lupdate -locations none -no-obsolete -no-ui-lines -pluralonly core gui -ts "$ts" ;;
    *) lupdate -locations none -no-obsolete -no-ui-lines core gui -ts "$ts" ;;
    esac
done
