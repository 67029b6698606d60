#!/usr/bin/env bash
# Runs the libFuzzer targets of fuzz/ for a bounded time each and fails when
# any of them finds a crash, a sanitizer report, a leak, a failed check, an
# input slower than the per-input time-out or one that needs too much memory.
#
#   bash scripts/fuzz.sh [target...]     every target when none is named
#
# Builds build-fuzz/ first (clang-16, -DQV_FUZZ=ON) unless QV_FUZZ_BUILD=0.
# Settings (environment):
#   QV_FUZZ_TIME=30       seconds per target
#   QV_FUZZ_JOBS=nproc    targets run side by side
#   QV_FUZZ_TIMEOUT=10    seconds one input may take
#   QV_FUZZ_RSS=2048      MB of memory a target may use
#   QV_FUZZ_SEED=         random seed (libFuzzer picks one when empty)
#   QV_FUZZ_CHECKS=1      the targets also check their results (fuzz_support.h);
#                         0 looks for crashes, reports, leaks and hangs only
#   QV_FUZZ_ARGS=         more libFuzzer flags, e.g. "-max_len=200000"
#
# Each target starts from its seeds (fuzz/corpus/TARGET/) and the inputs
# earlier runs found (build-fuzz/fuzz-corpus/TARGET/, kept between runs),
# with its dictionary (fuzz/dict/TARGET.dict) when it has one.
# A failing input lands in build-fuzz/fuzz-artifacts/TARGET/; keep it as a
# regression case (fuzz/README.md).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=build-fuzz

fuzz_time=${QV_FUZZ_TIME:-30}
jobs=${QV_FUZZ_JOBS:-$(nproc)}
per_input=${QV_FUZZ_TIMEOUT:-10}
rss=${QV_FUZZ_RSS:-2048}

if [ "${QV_FUZZ_BUILD:-1}" != 0 ]; then
  CC=clang-16 CXX=clang++-16 cmake -S . -B "$build" -DQV_FUZZ=ON -DQV_BUILD_TESTS=OFF \
    -DQV_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j "$(nproc)" --target qv_fuzzers
fi

if [ $# -gt 0 ]; then
  targets=("$@")
else
  # The list the build knows (fuzz/FuzzTargets.cmake).
  read -r -a targets <<<"$(tr '\n' ' ' <fuzz/FuzzTargets.cmake |
    sed 's/.*set(QV_FUZZ_TARGETS\([^)]*\)).*/\1/')"
fi

export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Reports name functions and lines when a symbolizer is installed (llvm).
symbolizer=$(command -v llvm-symbolizer-16 || command -v llvm-symbolizer || true)
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer
logs=$build/fuzz-logs
rm -rf "$logs"
mkdir -p "$logs"

# One target: prints "TARGET ok|FAILED EXECS CORPUS".
run_one() {
  local target=$1
  local corpus=$build/fuzz-corpus/$target
  local artifacts=$build/fuzz-artifacts/$target
  local log=$logs/$target.log
  rm -rf "$artifacts"
  mkdir -p "$corpus" "$artifacts"
  local extra=()
  [ -n "${QV_FUZZ_SEED:-}" ] && extra+=(-seed="$QV_FUZZ_SEED")
  [ -f "fuzz/dict/$target.dict" ] && extra+=(-dict="fuzz/dict/$target.dict")
  read -r -a more <<<"${QV_FUZZ_ARGS:-}"
  extra+=("${more[@]}")
  local status=0
  "$build/fuzz/$target" -max_total_time="$fuzz_time" -timeout="$per_input" \
    -rss_limit_mb="$rss" -print_final_stats=1 -artifact_prefix="$artifacts/" "${extra[@]}" \
    "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  local execs
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  local found
  found=$(find "$artifacts" -type f | wc -l)
  local result=ok
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then result=FAILED; fi
  echo "$target $result ${execs:-0} $(find "$corpus" -type f | wc -l)"
}
export -f run_one
export build fuzz_time per_input rss logs

summary=$(printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one {}')

failed=0
printf '%-20s %-7s %12s %8s\n' target result executions corpus
while read -r target result execs corpus; do
  printf '%-20s %-7s %12s %8s\n' "$target" "$result" "$execs" "$corpus"
  if [ "$result" != ok ]; then
    failed=1
    echo "---- $target: $logs/$target.log (end) ----"
    grep -v '^#[0-9]' "$logs/$target.log" | tail -60
    for input in "$build/fuzz-artifacts/$target"/*; do
      [ -e "$input" ] && echo "failing input: $input (keep it: fuzz/README.md)"
    done
  fi
done < <(sort <<<"$summary")
exit "$failed"
