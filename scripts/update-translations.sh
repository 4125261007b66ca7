#!/usr/bin/env bash
# Refreshes the translation sources from the texts marked for translation in
# src/ (tr(), QCoreApplication::translate, QT_TR_NOOP, QT_TRANSLATE_NOOP).
# New texts arrive unfinished; texts no longer in the sources are dropped.
# The build itself only compiles the .ts files (lrelease).
#
#   scripts/update-translations.sh            all translations/cardwright_*.ts
#   scripts/update-translations.sh FILE.ts    just FILE.ts (any path)
set -euo pipefail
ARGS=()
for ts in "$@"; do ARGS+=("$(realpath -m "$ts")"); done
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
# The command-line tool prints machine-readable text and is not translated.
mapfile -t SOURCES < <(find src -path src/cli -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
if [ ${#ARGS[@]} -gt 0 ]; then
  TS_FILES=("${ARGS[@]}")
else
  TS_FILES=(translations/cardwright_*.ts)
fi
for ts in "${TS_FILES[@]}"; do
  "$LUPDATE" -I src -locations none -no-obsolete "${SOURCES[@]}" -ts "$ts"
done
