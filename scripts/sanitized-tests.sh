#!/usr/bin/env bash
# Builds build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer
# (-DQV_SANITIZE=ON) and runs the whole test suite under them: any report
# fails its test. Leaks inside system libraries are suppressed by
# tests/lsan.supp. The reader checks (real readers on the committed
# outputs) run in the normal build only.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-asan

cmake -S . -B "$build" -DQV_SANITIZE=ON -DQV_BUILD_BENCH=OFF -DQV_READER_CHECKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
