#!/usr/bin/env bash
# The Windows packages as a player gets them, under Wine:
#
#   package_test.sh CMAKE CPACK BUILD VERSION SOURCE WINE_RUN MASK...
#
# WINE_RUN is cmake/wine-run.sh; the test has a Wine prefix of its own
# (BUILD/wine-package), since the installer changes the user's PATH and the
# test puts a player's settings into %APPDATA%. MASK... DOCUMENT writes the
# document with the pixel rows of its map pictures masked, as the golden tests
# compare them (the labels are drawn by each system's own font rasterizer).
#
# 1. cpack makes the zip and the installer from the build.
# 2. The zip holds the tool, its files, the sample reports, README.txt and the
#    manual (both CR LF), in one folder; unpacked, its qvformat.exe converts a
#    sample in another folder to the expected document (map pixels masked).
# 3. The installer, silent (/S) into a folder of the test's own (/D=), puts
#    the same files and an uninstaller there and adds the folder to the user's
#    PATH after what was there. "qvformat", found through PATH from a reports
#    folder elsewhere, converts a sample to the expected document and page; with a
#    player's own settings (%APPDATA%\qvformat\) and item list
#    (%LOCALAPPDATA%\qvformat\) it uses them. A second install adds no second
#    PATH entry.
# 4. The silent uninstaller removes every installed file and the folder,
#    gives the PATH back as it was and leaves the player's files.
set -euo pipefail
cmake=$1
cpack=$2
build=$(realpath "$3")
version=$4
source=$(realpath "$5")
examples=$source/examples
wine_run=$(realpath "$6")
shift 6
mask=("$@")

prefix=$build/wine-package
# Never a terminal as input: Wine would make it a console of the tool's own,
# and the tool would wait for Enter as after a start from Explorer.
run() { "$wine_run" "$prefix" "$@" </dev/null; }
fail() {
  echo "package: $*" >&2
  exit 1
}

# The prefix is made on first use; the test's files live in a folder of
# their own on its C: drive (Windows name in $cwin), removed at the end.
run cmd /c exit
work=$(mktemp -d "$prefix/drive_c/qvformat-test.XXXXXX")
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
cwin="C:\\$(basename "$work")"
unix_path() { run winepath -u "$1" | tr -d '\r'; }
appdata=$(unix_path "$(run cmd /c echo %APPDATA% | tr -d '\r')")
localappdata=$(unix_path "$(run cmd /c echo %LOCALAPPDATA% | tr -d '\r')")
[ -n "$appdata" ] && [ -n "$localappdata" ] || fail "no %APPDATA% or %LOCALAPPDATA% in the prefix"
rm -rf "$appdata/qvformat" "$localappdata/qvformat"
# A player's PATH with a variable, kept as it is. (No empty entry: Wine's
# cmd stops its search of PATH at one.)
player_path='C:\Tools;%USERPROFILE%\bin'
user_path() { run reg query 'HKCU\Environment' /v Path | tr -d '\r' | sed -n 's/^ *Path *REG_[A-Z_]*SZ *//p'; }
run reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$player_path" /f >/dev/null

# 1. The packages.
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
zip=$work/packages/qvformat-$version-win64.zip
setup=$work/packages/qvformat-$version-setup.exe
[ -f "$zip" ] || fail "no $(basename "$zip")"
[ -f "$setup" ] || fail "no $(basename "$setup")"

# convert DIR COMMAND...: runs the tool on a copy of 1234_57.htm in the
# reports folder DIR, which must come out as the expected document.
convert() {
  local dir=$1; shift
  mkdir -p "$dir"
  cp "$examples/1234_57.htm" "$dir/"
  rm -f "$dir/1234r57.rtf"
  if ! (cd "$dir" && run "$@" 1234_57.htm) >"$work/stdout" 2>"$work/stderr" || [ -s "$work/stderr" ]; then
    cat "$work/stderr" >&2
    fail "$* 1234_57.htm failed"
  fi
  grep -q -a 'RTF file keszitese sikeresen befejezodott!' "$work/stdout" ||
    fail "$*: no success message"
}
same_document() {
  "${mask[@]}" "$examples/expected/1234_57/1234r57.rtf" >"$work/expected.masked"
  "${mask[@]}" "$1/1234r57.rtf" >"$work/got.masked"
  cmp "$work/expected.masked" "$work/got.masked" || fail "$2: the document differs from the expected one"
}

# 2. The zip.
top=qvformat-$version-win64
files=(README.txt qvformat.exe qvformat.ini qvformat.txt item.txt spell.txt
  examples/1234_57.htm examples/1234_58.htm examples/1234_59.htm examples/1234_60.htm)
for picture in ahegy bozot dombsag fkiegett ikonok kiegett mhegy mocsar nyilak rerdo serdo \
  siksag sivatag tenger tengerpart varos; do
  files+=("picture/$picture.bmp")
done
printf '%s\n' "${files[@]/#/$top/}" "$top/examples/" "$top/picture/" | sort >"$work/zip.expected"
"$cmake" -E tar tf "$zip" | sort >"$work/zip.got"
diff -u "$work/zip.expected" "$work/zip.got" >&2 || fail "the zip's entries differ"
mkdir "$work/unzipped"
(cd "$work/unzipped" && "$cmake" -E tar xf "$zip")
for text in README.txt qvformat.txt; do
  f=$work/unzipped/$top/$text
  [ -s "$f" ] || fail "$text is empty"
  ! grep -q -v $'\r$' "$f" || fail "$text has a line without CR LF"
done
grep -q "qvformat $version for Windows" "$work/unzipped/$top/README.txt" || fail "README.txt lacks its title"
grep -q '^SYNOPSIS' "$work/unzipped/$top/qvformat.txt" || fail "qvformat.txt is not the manual"
cmp "$source/assets/qvformat.ini" "$work/unzipped/$top/qvformat.ini" || fail "qvformat.ini differs"
convert "$work/zip-reports" "$cwin\\unzipped\\$top\\qvformat.exe"
same_document "$work/zip-reports" "the unpacked tool"

# 3. The installer. /D= is the last parameter and takes the rest of the
# command line, blanks and all, so cmd passes it on unquoted.
cp "$setup" "$work/setup.exe"
instwin="$cwin\\Program Files\\qvformat"
inst=$work/Program\ Files/qvformat
run_installer() { run cmd /c "$cwin\\setup.exe /S /D=$instwin" || fail "the installer failed ($?)"; }
run_installer
for f in "${files[@]}" Uninstall.exe; do
  [ -f "$inst/$f" ] || fail "$f was not installed"
done
[ "$(user_path)" = "$player_path;$instwin" ] || fail "PATH after the install: $(user_path)"
run_installer
[ "$(user_path)" = "$player_path;$instwin" ] || fail "PATH after a second install: $(user_path)"
[ ! -e "$appdata/qvformat" ] && [ ! -e "$localappdata/qvformat" ] ||
  fail "the installer made a folder of the player's"

convert "$work/reports" cmd /c qvformat
same_document "$work/reports" "the installed tool"
(cd "$work/reports" && run cmd /c qvformat /t 1234_57.htm) >"$work/stdout" 2>&1 || fail "qvformat /t failed"
cmp "$examples/expected/1234_57/1234r57.htm" "$work/reports/1234r57.htm" || fail "the page differs"

# The player's own settings and item list: item 120 now weighs 0.90 kg and
# sells for 11.
mkdir -p "$appdata/qvformat" "$localappdata/qvformat"
printf '[FORMAT]\r\nFontTimes=Sajat Times CE\r\n' >"$appdata/qvformat/qvformat.ini"
sed 's/^120 3 1 10 20 80 /120 3 1 11 22 90 /' "$inst/item.txt" >"$localappdata/qvformat/item.txt"
convert "$work/reports" cmd /c qvformat
grep -q -a 'Sajat Times CE' "$work/reports/1234r57.rtf" || fail "the player's settings were not read"
(cd "$work/reports" && run cmd /c qvformat /t 1234_57.htm) >"$work/stdout" 2>&1 || fail "qvformat /t failed"
grep -q -a 'CLASS=vpkap>0.90/11</SPAN>' "$work/reports/1234r57.htm" || fail "the player's item list was not read"

# 4. The uninstaller copies itself away and returns at once; what it does
# shows in a little while.
cp "$appdata/qvformat/qvformat.ini" "$work/player.ini"
run cmd /c "$instwin\\Uninstall.exe" /S || fail "the uninstaller failed ($?)"
for _ in $(seq 120); do
  [ -e "$inst" ] || break
  sleep 0.5
done
if [ -e "$inst" ]; then
  find "$inst" >&2
  fail "the uninstaller left the installed folder"
fi
[ "$(user_path)" = "$player_path" ] || fail "PATH after the uninstall: $(user_path)"
cmp "$work/player.ini" "$appdata/qvformat/qvformat.ini" || fail "the player's settings changed"
[ -f "$localappdata/qvformat/item.txt" ] || fail "the player's item list is gone"
rm -rf "$appdata/qvformat" "$localappdata/qvformat"

echo "packages: zip entries, silent install, PATH, conversions and uninstall as expected"
