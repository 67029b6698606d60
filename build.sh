#!/usr/bin/env bash
# bash build.sh demo   install what is missing, build, run the tool on the sample reports
# bash build.sh test   install what is missing, build, run every test
# bash build.sh build  install what is missing and build
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh

build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)"

case "${1:-build}" in
  demo)
    bash scripts/demo.sh "$build/qvformat"
    ;;
  test)
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    ;;
  build) ;;
  *)
    echo "usage: bash build.sh [demo|test|build]" >&2
    exit 2
    ;;
esac
