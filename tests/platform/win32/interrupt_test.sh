#!/usr/bin/env bash
# Ctrl-C ends a Windows run without leaving its temporary file behind:
#
#   interrupt_test.sh RUNNER... QV_PROBE.EXE
#
# The probe writes a_1.rtf through a ReplacingFile and waits; Wine turns the
# SIGINT sent to it into the console's CTRL_C_EVENT, as a Ctrl-C in a
# console window would be. The earlier a_1.rtf must stay as it was.
set -euo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'good document' >"$dir/a_1.rtf"
"$@" hold "$dir/a_1.rtf" >"$dir/out.txt" 2>&1 &
pid=$!
for _ in $(seq 300); do
  grep -q ready "$dir/out.txt" && break
  sleep 0.1
done
if ! grep -q ready "$dir/out.txt"; then
  echo "the probe never got ready:"; cat "$dir/out.txt"; kill "$pid"; exit 1
fi
entries() { (cd "$dir" && ls -A | grep -v '^out\.txt$' | tr '\n' ' '); }
[[ "$(entries)" == ".a-1.rtf.tmp"*" a_1.rtf " ]] || { echo "while writing: $(entries)"; exit 1; }
kill -INT "$pid"
# The process ends (with the system's status: Windows gives
# STATUS_CONTROL_C_EXIT, Wine 0).
status=0
wait "$pid" || status=$?
[ "$(entries)" = "a_1.rtf " ] || { echo "after Ctrl-C: $(entries)"; exit 1; }
[ "$(cat "$dir/a_1.rtf")" = "good document" ] || { echo "a_1.rtf changed"; exit 1; }
echo "Ctrl-C removed the temporary file (status $status)"
