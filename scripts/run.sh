#!/usr/bin/env bash
# Builds Cardwright and starts the designer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build/cardwright "$@"
