#!/usr/bin/env bash
# Converts one sample report the way a player would (document, then item-list
# page) in an empty folder, and compares every file the runs write, and their
# console text, byte for byte with the committed expected files. REPORT
# "atlasz" builds the atlas of all the sample reports instead.
#
#   run_golden.sh TOOL EXAMPLES REPORT            compare
#   run_golden.sh TOOL EXAMPLES REPORT --update   rewrite the expected files
#   run_golden.sh --run-with WINE-RUN --run-with PREFIX QVFORMAT.EXE EXAMPLES REPORT --masked
#
# The expected files of REPORT live in EXAMPLES/expected/REPORT-without-.htm/.
# Start and end time lines are masked, since they change with every run.
# Each "--run-with WORD" goes in front of the tool's command (the Windows
# tool runs through Wine). --masked compares the documents with the pixel
# rows of their map pictures masked (mask_map_pixels.py), as the labels on a
# map are drawn by each system's own font rasterizer; every other byte of a
# document, and pages and console text whole, are compared as they are.
set -euo pipefail
runner=()
while [ "${1:-}" = "--run-with" ]; do
  runner+=("$2")
  shift 2
done
tool=$(realpath "$1")
examples=$(realpath "$2")
report=$3
update=${4:-}
here=$(dirname "$(realpath "$0")")
expected=$examples/expected/${report%.*}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The tester's own qvformat.ini and data files stay out of the comparison.
export XDG_CONFIG_HOME=$work/no-user-files XDG_DATA_HOME=$work/no-user-files
mkdir "$work/run" "$work/got"
if [ "$report" = atlasz ]; then
  cp "$examples"/*.htm "$work/run/"
else
  cp "$examples/$report" "$work/run/"
fi

mask_times() {
  LC_ALL=C sed -e 's/^\(Indulas ideje: \).*\(\r\)$/\1TIME\2/' \
               -e 's/^\(Befejezes ideje: \).*\(\r\)$/\1TIME\2/'
}

# run NAME ARGS...: the tool's standard output goes to NAME.console; anything
# on standard error or a non-zero exit status fails the comparison. Its
# input is no terminal: under Wine a terminal would be a console of the
# tool's own, and the tool would wait for Enter as after a start from
# Explorer.
run() {
  local name=$1; shift
  local status=0
  (cd "$work/run" && "${runner[@]}" "$tool" "$@") </dev/null >"$work/stdout" 2>"$work/stderr" ||
    status=$?
  mask_times <"$work/stdout" >"$work/got/$name.console"
  if [ $status -ne 0 ] || [ -s "$work/stderr" ]; then
    echo "$report: qvformat $* exited with $status" >&2
    cat "$work/stderr" >&2
    exit 1
  fi
}

if [ "$report" = atlasz ]; then
  run atlas /atlasz
else
  run convert "$report"
  run page /t "$report"
fi
for f in "$work/run"/*; do
  [ -f "$examples/$(basename "$f")" ] || cp "$f" "$work/got/"
done

if [ "$update" = "--update" ]; then
  rm -rf "$expected"
  mkdir -p "$expected"
  cp "$work/got"/* "$expected/"
  echo "$report: expected files rewritten in $expected"
  exit 0
fi

if [ "$update" = "--masked" ]; then
  mkdir "$work/expected"
  cp "$expected"/* "$work/expected/"
  for f in "$work/expected"/*.rtf "$work/got"/*.rtf; do
    [ -f "$f" ] || continue
    python3 "$here/mask_map_pixels.py" "$f" >"$f.masked"
    mv "$f.masked" "$f"
  done
  expected=$work/expected
fi

if ! diff -r --brief "$expected" "$work/got" >"$work/diff"; then
  echo "$report: output differs from $expected:" >&2
  cat "$work/diff" >&2
  for f in "$work/got"/*; do
    e=$expected/$(basename "$f")
    [ -f "$e" ] && ! cmp -s "$e" "$f" && diff -a "$e" "$f" | head -20 >&2
  done
  exit 1
fi
echo "$report: outputs and console text as expected"
