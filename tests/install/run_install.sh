#!/usr/bin/env bash
# Installs the build into a fresh prefix and uses the installed tool as a
# player would: through the link in bin/, from a folder of reports elsewhere,
# first with the shipped files alone, then with settings and an item list of
# the player's own.
#
#   run_install.sh CMAKE BUILD EXAMPLES
set -euo pipefail
cmake=$1
build=$2
examples=$(realpath "$3")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
home=$work/home
reports=$work/reports
mkdir "$home" "$reports"
cp "$examples/1234_57.htm" "$reports/"

fail() {
  echo "install: $*" >&2
  exit 1
}

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  fail "cmake --install failed"
fi

# The layout: the executable with its files in lib/qvformat/, a link in bin/.
[ "$(readlink "$prefix/bin/qvformat")" = ../lib/qvformat/qvformat ] ||
  fail "bin/qvformat is not a link to ../lib/qvformat/qvformat"
for f in lib/qvformat/qvformat.ini lib/qvformat/item.txt lib/qvformat/spell.txt \
  share/man/man1/qvformat.1.gz share/man/hu/man1/qvformat.1.gz \
  share/bash-completion/completions/qvformat \
  share/doc/qvformat/examples/1234_57.htm; do
  [ -f "$prefix/$f" ] || fail "$f was not installed"
done
pictures=$(find "$prefix/lib/qvformat/picture" -name '*.bmp' | wc -l)
[ "$pictures" -eq 16 ] || fail "$pictures map pictures installed, not 16"
bash -n "$prefix/share/bash-completion/completions/qvformat" || fail "the completion does not parse"
# The man pages, English and Hungarian (UTF-8, its accents kept), without a
# warning from the formatter.
if command -v man >/dev/null; then
  for page in "man1 FILES" "hu/man1 FÁJLOK"; do
    set -- $page
    LC_ALL=C.UTF-8 man --warnings -l "$prefix/share/man/$1/qvformat.1.gz" >"$work/man.txt" 2>"$work/man.err" ||
      fail "man failed on $1: $(cat "$work/man.err")"
    [ ! -s "$work/man.err" ] || fail "the man page in $1 has warnings: $(cat "$work/man.err")"
    grep -q "^$2" "$work/man.txt" || fail "the man page in $1 has no $2 section"
  done
fi

# run ENV... -- ARGS...: the installed tool, found through PATH, in the
# reports' folder with a clean environment; any message on standard error
# or a failure ends the test.
run() {
  local env=()
  while [ "$1" != -- ]; do env+=("$1"); shift; done
  shift
  if ! (cd "$reports" && env -i PATH="$prefix/bin:/usr/bin:/bin" LC_ALL=C HOME="$home" "${env[@]}" \
    qvformat "$@") >"$work/stdout" 2>"$work/stderr" || [ -s "$work/stderr" ]; then
    cat "$work/stderr" >&2
    fail "qvformat $* failed"
  fi
}
has() { grep -a -q -F -e "$2" "$reports/$1" || fail "$1 lacks '$2' ($3)"; }
lacks() { ! grep -a -q -F -e "$2" "$reports/$1" || fail "$1 holds '$2' ($3)"; }

# The shipped files alone: the same document and page as the portable build.
run -- 1234_57.htm
run -- /t 1234_57.htm
cmp "$examples/expected/1234_57/1234r57.rtf" "$reports/1234r57.rtf" || fail "document differs"
cmp "$examples/expected/1234_57/1234r57.htm" "$reports/1234r57.htm" || fail "page differs"

# The player's own settings (~/.config/qvformat/) and item list
# (~/.local/share/qvformat/): item 120 now weighs 0.90 kg and sells for 11.
mkdir -p "$home/.config/qvformat" "$home/.local/share/qvformat"
printf '[FORMAT]\r\nFontTimes=Sajat Times CE\r\n' >"$home/.config/qvformat/qvformat.ini"
sed 's/^120 3 1 10 20 80 /120 3 1 11 22 90 /' "$prefix/lib/qvformat/item.txt" \
  >"$home/.local/share/qvformat/item.txt"
run -- 1234_57.htm
run -- /t 1234_57.htm
has 1234r57.rtf 'Sajat Times CE' "per-user settings"
lacks 1234r57.rtf 'Times New Roman CE' "per-user settings"
has 1234r57.htm 'CLASS=vpkap>0.90/11</SPAN>' "per-user item list"

# XDG_CONFIG_HOME moves the settings; a relative XDG_DATA_HOME is passed over.
mkdir -p "$work/xdg/qvformat"
printf '[FORMAT]\r\nFontTimes=Masik Times CE\r\n' >"$work/xdg/qvformat/qvformat.ini"
run XDG_CONFIG_HOME="$work/xdg" XDG_DATA_HOME=relative -- 1234_57.htm
run XDG_CONFIG_HOME="$work/xdg" XDG_DATA_HOME=relative -- /t 1234_57.htm
has 1234r57.rtf 'Masik Times CE' "XDG_CONFIG_HOME"
has 1234r57.htm 'CLASS=vpkap>0.90/11</SPAN>' "relative XDG_DATA_HOME"

# "/ini=" still names the page's settings file.
printf '[FORMAT]\r\nKiemeles=sajat\r\n' >"$work/lista.ini"
run -- /t "/ini=$work/lista.ini" 1234_57.htm
has 1234r57.htm 'CLASS=sajat>0.90/11</SPAN>' "/ini= option"

# A second install keeps the settings edited in place.
printf '; edited\r\n' >>"$prefix/lib/qvformat/qvformat.ini"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "second install failed"
tail -n 1 "$prefix/lib/qvformat/qvformat.ini" | grep -q '^; edited' || fail "the settings were overwritten"

# DESTDIR stages the whole tree below it, once.
stage=$work/stage
DESTDIR=$stage "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  fail "install with DESTDIR failed"
for f in usr/lib/qvformat/qvformat usr/lib/qvformat/qvformat.ini usr/lib/qvformat/item.txt \
  usr/lib/qvformat/picture/tenger.bmp usr/share/man/man1/qvformat.1.gz; do
  [ -f "$stage/$f" ] || fail "DESTDIR install lacks $f"
done
[ "$(readlink "$stage/usr/bin/qvformat")" = ../lib/qvformat/qvformat ] || fail "DESTDIR install lacks the link"
[ ! -e "$stage$stage" ] || fail "DESTDIR install put files below DESTDIR twice"

echo "installed into $prefix: layout, man page, document and page as expected"
