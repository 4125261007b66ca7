#!/usr/bin/env bash
# Refreshes translations/cardwright_*.ts from the texts marked for translation
# in src/ (tr(), QCoreApplication::translate, QT_TRANSLATE_NOOP).  New texts
# arrive unfinished; texts no longer in the sources are dropped (-no-obsolete).
# The build itself only compiles the .ts files (lrelease).
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
# The command-line tool prints machine-readable text and is not translated.
mapfile -t SOURCES < <(find src -path src/cli -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
for ts in translations/cardwright_*.ts; do
  "$LUPDATE" -I src -locations none -no-obsolete "${SOURCES[@]}" -ts "$ts"
done
