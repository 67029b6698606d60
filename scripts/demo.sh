#!/usr/bin/env bash
# Runs the built tool the way a player would. For now the tool prints its
# usage; the sample reports in examples/ are converted once the converters
# are in place.
set -euo pipefail
exe=$(realpath "$1")
"$exe"
