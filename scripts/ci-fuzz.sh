#!/usr/bin/env bash
# Continuous-integration run of the fuzz targets: each runs a fixed number of
# inputs (default 30000) from a fixed seed, starting from its committed seed
# corpus, so the result is the same on every machine.  Fails when any target
# finds a fault.  Longer, time-based runs: scripts/fuzz.sh SECONDS.
set -euo pipefail
export CW_FUZZ_RUNS=${CW_FUZZ_RUNS:-30000}
# Qt's GIF reader takes about 20 ms an input (large declared sizes): 30000
# inputs would cost 11 minutes, so the GIF target gets a tenth of them.
export CW_FUZZ_RUNS_fuzz_picture_gif=${CW_FUZZ_RUNS_fuzz_picture_gif:-3000}
exec "$(dirname "$0")/fuzz.sh" 0 "$@"
