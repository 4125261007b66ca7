#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) into build-fuzz and runs
# each for the given number of seconds, one after another.
#   scripts/fuzz.sh [seconds per target] [target ...]
# Defaults: 60 seconds, every target.  Corpora grow in build-fuzz/corpus/<target>
# (seeded from fuzz/corpus/<target>); crashes land in build-fuzz/findings/<target>.
# The script fails when any target finds a crash, a leak or a timeout.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=build-fuzz
compiler=${CW_FUZZ_CXX:-clang++-14}
cmake -S . -B "$build" -G Ninja -DCW_FUZZ=ON -DCMAKE_CXX_COMPILER="$compiler" >/dev/null
cmake --build "$build" -j "${CW_JOBS:-2}" --target fuzz_all

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$build"/fuzz/fuzz_*; do
    # Only the programs: the build folder also holds moc folders named after them.
    [ -f "$exe" ] && [ -x "$exe" ] || continue
    name=$(basename "$exe")
    [ "$name" = fuzz_make_seeds ] && continue
    targets+=("$name")
  done
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  seeds=()
  [ -d "fuzz/corpus/$target" ] && seeds=("fuzz/corpus/$target")
  dict=()
  [ -f "fuzz/$target.dict" ] && dict=("-dict=fuzz/$target.dict")
  echo "== $target: $seconds s"
  # CW_FUZZ_RUNS: a fixed number of inputs from a fixed seed instead of a
  # time, so that a run gives the same result on every machine (CI).
  # CW_FUZZ_RUNS_<target> gives one target a budget of its own.
  per_target="CW_FUZZ_RUNS_$target"
  if [ -n "${!per_target:-}" ]; then
    budget=(-runs="${!per_target}" -seed=1)
  elif [ -n "${CW_FUZZ_RUNS:-}" ]; then
    budget=(-runs="$CW_FUZZ_RUNS" -seed=1)
  else
    budget=(-max_total_time="$seconds")
  fi
  if ! "$build/fuzz/$target" "$corpus" "${seeds[@]}" "${dict[@]}" \
      "${budget[@]}" -max_len=65536 -rss_limit_mb=2048 -timeout=60 \
      -artifact_prefix="$findings/" -print_final_stats=1 2>"$build/findings/$target.log"; then
    echo "!! $target found a fault; see $findings and $build/findings/$target.log"
    status=1
  fi
  grep -E "^stat::number_of_executed_units|^#[0-9]+.*DONE" "$build/findings/$target.log" | tail -2 || true
done
exit $status
