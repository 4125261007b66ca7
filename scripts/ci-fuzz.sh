#!/usr/bin/env bash
# Continuous-integration run of the fuzz targets: each for 30 seconds from its
# committed seed corpus.  Fails when any target finds a fault.
set -euo pipefail
exec "$(dirname "$0")/fuzz.sh" 30 "$@"
