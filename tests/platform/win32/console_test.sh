#!/usr/bin/env bash
# A real console, which Wine makes of a terminal (script(1)):
#
#   console_test.sh RUNNER... QV_PROBE.EXE
#
# 1. The tool's Windows-1250 lines are shown with their accents whatever the
#    console's code page (WriteConsoleW); Wine shows the wide text in UTF-8.
# 2. A password asked for ("Jelszo: ") is not shown as it is typed and
#    reaches the tool as Windows-1250.
set -euo pipefail
# Without the terminal's codes, and without blanks: Wine's console may move
# the cursor over a blank instead of writing it.
plain() { sed 's/\x1b\[[?0-9;]*[a-zA-Z]//g' "$@" | tr -d '\r '; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

printf -v command '%q ' "$@" console
timeout 60 script -qc "$command" /dev/null </dev/null >"$dir/console.txt" 2>&1 ||
  { echo "script failed ($?):"; cat "$dir/console.txt"; exit 1; }
shown=$(plain "$dir/console.txt")
for expected in $'Indul\xc3\xa1sideje:9:05:07' $'Nyisdmeg:\xc5\x90rz\xc5\x91_57.htm' \
  $'Fajlhiba:\'x\xc5\xb1.htm\'nemnyithatomeg'; do
  if [[ "$shown" != *"$expected"* ]]; then
    echo "not shown: $expected"; printf '%s\n' "$shown" | od -c | head -20; exit 1
  fi
done

# The password is typed once the prompt shows: "Tünde ő" in UTF-8, as a
# terminal sends it.
printf -v command '%q ' "$@" password
{
  for _ in $(seq 600); do
    plain "$dir/password.txt" 2>/dev/null | grep -q 'Jelszo:' && break
    sleep 0.05
  done
  printf 'T\xc3\xbcnde \xc5\x91\r'
} | timeout 60 script -qec "$command" /dev/null >"$dir/password.txt" 2>&1 ||
  { echo "script failed ($?):"; cat "$dir/password.txt"; exit 1; }
shown=$(plain "$dir/password.txt")
# The typed text reaches the tool whole, as UTF-8 like every text of the
# system's (the download turns it into Windows-1250).
[[ "$shown" == *"typed54c3bc6e646520c591"* ]] || { echo "typed: $shown"; exit 1; }
[[ "$shown" != *"nde"* ]] || { echo "the password was shown: $shown"; exit 1; }
echo "the console shows the accents and hides the password"
