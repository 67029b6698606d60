#!/usr/bin/env bash
# The pause before the tool's console window closes, with Wine's real
# console answers (no test variable): Wine makes a console of a terminal
# (script(1)) for the program it starts, as Windows makes one for a start
# from Explorer.
#
#   exit_pause_test.sh RUNNER... QVFORMAT.EXE
#
# 1. Alone in its console the tool ends with the prompt and waits for Enter.
# 2. Started by a command prompt (which shares the console) it never waits,
# 3. nor with its input redirected.
set -euo pipefail
plain() { sed 's/\x1b\[[?0-9;]*[a-zA-Z]//g' "$@" | tr -d '\r'; }
exe=${*: -1}
dir=$(mktemp -d)
trap 'exec 3>&-; rm -rf "$dir"' EXIT
fail() { echo "$1"; plain "$dir/$2.txt" | od -c | head -20; exit 1; }

# 1. The keys come through a pipe held open until the Enter is sent.
printf -v command '%q ' "$@" --version
mkfifo "$dir/keys"
timeout 60 script -qec "$command" /dev/null <"$dir/keys" >"$dir/alone.txt" 2>&1 &
run=$!
exec 3>"$dir/keys"
for _ in $(seq 600); do
  plain "$dir/alone.txt" 2>/dev/null | grep -q 'Nyomj Entert a kilepeshez\.\.\.' && break
  sleep 0.05
done
shown=$(plain "$dir/alone.txt")
[[ "$shown" == *$'qvformat '*$'\nNyomj Entert a kilepeshez...'* ]] ||
  fail "no prompt after the run's lines" alone
sleep 1
kill -0 "$run" 2>/dev/null || fail "the tool did not wait for Enter" alone
printf '\r' >&3
wait "$run" || fail "the tool did not end after Enter ($?)" alone

# 2. and 3.: the run's own lines only, and an end without any key.
printf -v command '%q ' "${@:1:$#-1}" cmd /c "Z:${exe//\//\\}" --version
timeout 60 script -qec "$command" /dev/null </dev/null >"$dir/prompt.txt" 2>&1 ||
  fail "the run from a command prompt failed ($?)" prompt
printf -v command '%q ' "$@" --version
timeout 60 script -qec "$command </dev/null" /dev/null </dev/null >"$dir/redirected.txt" 2>&1 ||
  fail "the run with redirected input failed ($?)" redirected
for run in prompt redirected; do
  shown=$(plain "$dir/$run.txt")
  [[ "$shown" == *"qvformat "* ]] || fail "the $run run printed nothing" "$run"
  [[ "$shown" != *"Nyomj"* ]] || fail "the $run run asked for Enter" "$run"
done
echo "the tool waits alone in its console, not in a command prompt or with input redirected"
