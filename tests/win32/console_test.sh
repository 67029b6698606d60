#!/usr/bin/env bash
# On a real console the tool's Windows-1250 lines are shown with their
# accents whatever the console's code page (WriteConsoleW):
#
#   console_test.sh RUNNER... QV_PROBE.EXE
#
# Under Wine a terminal is a console; it shows the wide text in UTF-8.
set -euo pipefail
printf -v command '%q ' "$@" console
shown=$(timeout 60 script -qc "$command" /dev/null </dev/null 2>&1) ||
  { echo "script failed ($?): $shown"; exit 1; }
shown=$(printf '%s' "$shown" | tr -d '\r')
for expected in $'Indul\xc3\xa1s ideje: 9:05:07' $'Nyisd meg: \xc5\x90rz\xc5\x91_57.htm' \
  $'cannot open \'x\xc5\xb1.htm\''; do
  if [[ "$shown" != *"$expected"* ]]; then
    echo "not shown: $expected"
    printf '%s\n' "$shown" | od -c | head -20
    exit 1
  fi
done
echo "the console shows the accents"
