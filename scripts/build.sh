#!/usr/bin/env bash
# Configures and builds Cardwright in ./build (Ninja, ccache, precompiled Qt headers).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${CW_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build -j "$(nproc)"
