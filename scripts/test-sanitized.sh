#!/usr/bin/env bash
# Builds Cardwright with AddressSanitizer, LeakSanitizer and UBSan into
# build-asan and runs every unit test there.  Extra arguments go to ctest
# (e.g. -R design/ to run one group).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-asan
cmake -S . -B "$build" -G Ninja -DCW_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "${CW_JOBS:-2}"
export QT_QPA_PLATFORM=offscreen
# Leaks inside system libraries (fontconfig caches, X/GL stubs) are no
# findings of ours; fuzz/lsan.supp lists them.  Errors abort the test.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
ctest --test-dir "$build" --output-on-failure -j "${CW_JOBS:-2}" "$@"
