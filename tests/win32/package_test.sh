#!/usr/bin/env bash
# The Windows packages as a player gets them, under Wine:
#
#   package_test.sh CMAKE CPACK BUILD VERSION SOURCE WINE_RUN MASK...
#
# WINE_RUN is cmake/wine-run.sh; the test has a Wine prefix of its own
# (BUILD/wine-package), since the installer changes the user's PATH,
# registry and shell folders, and the test puts a player's settings into
# %APPDATA%. MASK... DOCUMENT
# writes the document with the pixel rows of its map pictures masked, as the
# golden tests compare them (the labels are drawn by each system's own font
# rasterizer).
#
# 1. cpack makes the zip and the installer from the build. qvformat.exe and
#    the installer carry version information and the icon; qvformat.exe runs
#    as invoker, long-path aware, for Windows 7 to 11; the installer asks for
#    no administrator rights and has its Hungarian texts with their accents.
# 2. The zip holds the tool, its files, the sample reports, README.txt and
#    kezikonyv.txt (the Windows manual in English and in Hungarian, CR LF, the
#    Hungarian one UTF-8 with a byte-order mark; no man page, no Linux
#    paths), in one folder;
#    unpacked, its qvformat.exe converts a sample in another folder to the
#    expected document (map pixels masked).
# 3. The installer, silent (/S): without /D= into %LOCALAPPDATA%\Programs;
#    again with /D= into a test folder, which replaces that install (one
#    uninstall key, one PATH entry, the first folder gone); once more into
#    the same folder; then into another folder, whose install leaves a
#    player's file in the earlier one; the last install runs in Hungarian
#    (a hu_HU.UTF-8 locale, made in LOCPATH, stands for a Hungarian Windows).
#    Each time: the uninstall entry, the folder in the user's PATH after what
#    was there, the Start-menu manual in the installer's language ("qvformat
#    manual", README.txt; "qvformat kézikönyv", kezikonyv.txt) and command
#    prompt (which finds qvformat without the PATH entry), the
#    two Send-to entries (a report sent to each gives its document and its
#    page beside it). "qvformat", found through PATH from a reports folder
#    elsewhere, converts a sample to the expected document and page; with a
#    player's own settings (%APPDATA%\qvformat\) and item list
#    (%LOCALAPPDATA%\qvformat\) it uses them.
# 4. The silent uninstaller removes every installed file, the folder, the
#    shortcuts and the uninstall key, gives the PATH back as it was and
#    leaves the player's files.
set -euo pipefail
cmake=$1
cpack=$2
build=$(realpath "$3")
version=$4
source=$(realpath "$5")
examples=$source/examples
tests=$source/tests/win32
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
# reg_value KEY NAME: the value's data, empty when there is none.
reg_value() {
  { run reg query "$1" /v "$2" 2>/dev/null || true; } | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
shell_folder() { reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' "$1"; }
appdata=$(unix_path "$(run cmd /c echo %APPDATA% | tr -d '\r')")
localappdata_win=$(run cmd /c echo %LOCALAPPDATA% | tr -d '\r')
localappdata=$(unix_path "$localappdata_win")
documents_win=$(shell_folder Personal)
programs=$(unix_path "$(shell_folder Programs)")
sendto=$(unix_path "$(shell_folder SendTo)")
[ -n "$appdata" ] && [ -n "$localappdata" ] && [ -n "$documents_win" ] && [ -n "$programs" ] &&
  [ -n "$sendto" ] || fail "no %APPDATA%, %LOCALAPPDATA% or shell folders in the prefix"
uninstall_root='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
uninstall_key="$uninstall_root\\qvformat"
menu=$programs/qvformat
sendto_rtf="$sendto/qvformat (RTF dokumentum).lnk"
sendto_list="$sendto/qvformat (targylista).lnk"
# What an earlier run may have left in the prefix.
run reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
rm -rf "$appdata/qvformat" "$localappdata/qvformat" "$localappdata/Programs/qvformat" "$menu" \
  "$sendto_rtf" "$sendto_list"
# A player's PATH with a variable, kept as it is. (No empty entry: Wine's
# cmd stops its search of PATH at one.)
player_path='C:\Tools;%USERPROFILE%\bin'
user_path() { reg_value 'HKCU\Environment' Path; }
set_user_path() { run reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$1" /f >/dev/null; }
set_user_path "$player_path"

# 1. The packages.
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
zip=$work/packages/qvformat-$version-win64.zip
setup=$work/packages/qvformat-$version-setup.exe
[ -f "$zip" ] || fail "no $(basename "$zip")"
[ -f "$setup" ] || fail "no $(basename "$setup")"
top=qvformat-$version-win64
mkdir "$work/unzipped"
(cd "$work/unzipped" && "$cmake" -E tar xf "$zip")

# The programs' resources (tests/win32/pe_resources.py), what Properties >
# Details, Explorer and the program loader read.
resources() {
  python3 "$tests/pe_resources.py" "$1" >"$work/resources" || fail "cannot read the resources of $1"
}
has() { grep -qxF -- "$1" "$work/resources" || fail "$2 lacks $1"; }
for exe in "$work/unzipped/$top/qvformat.exe" "$setup"; do
  resources "$exe"
  name=$(basename "$exe")
  for line in "version=$version.0" "product-version=$version.0" "string:FileVersion=$version" \
    "string:ProductVersion=$version" string:ProductName=qvformat \
    icon=16x16@32 icon=24x24@32 icon=32x32@32 icon=48x48@32 manifest:level=asInvoker; do
    has "$line" "$name"
  done
  grep -q '^string:FileDescription=qvformat.' "$work/resources" || fail "$name has no description"
  grep -q '^string:LegalCopyright=Copyright (C) 20[0-9][0-9] ' "$work/resources" || fail "$name has no copyright"
done
resources "$work/unzipped/$top/qvformat.exe"
# Long paths, and Windows 7 to 10/11 named (Windows 8 and 8.1 between).
for line in manifest:longPathAware=true 'manifest:Id={35138b9a-5d96-4fbd-8e2d-a2440225f93a}' \
  'manifest:Id={8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
  has "$line" qvformat.exe
done
! grep '^manifest:activeCodePage=' "$work/resources" || fail "qvformat.exe sets a code page"
python3 "$tests/installer_texts.py" "$setup" "A mappa hozzáadása a PATH-hoz" \
  "Add the folder to my PATH" || fail "the installer's texts are wrong"

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
files=(README.txt kezikonyv.txt qvformat.exe qvformat.ini item.txt spell.txt
  examples/1234_57.htm examples/1234_58.htm examples/1234_59.htm examples/1234_60.htm)
for picture in ahegy bozot dombsag fkiegett ikonok kiegett mhegy mocsar nyilak rerdo serdo \
  siksag sivatag tenger tengerpart varos; do
  files+=("picture/$picture.bmp")
done
printf '%s\n' "${files[@]/#/$top/}" "$top/examples/" "$top/picture/" | sort >"$work/zip.expected"
"$cmake" -E tar tf "$zip" | sort >"$work/zip.got"
diff -u "$work/zip.expected" "$work/zip.got" >&2 || fail "the zip's entries differ"
readme=$work/unzipped/$top/README.txt
manual_hu=$work/unzipped/$top/kezikonyv.txt
python3 "$source/tests/doc/check_manuals.py" encoding "$readme" "$manual_hu" >/dev/null ||
  fail "the manuals are not UTF-8 with CR LF (and a byte-order mark where accented)"
grep -q "qvformat $version for Windows" "$readme" || fail "README.txt lacks its title"
grep -q "qvformat $version Windowsra – kézikönyv" "$manual_hu" || fail "kezikonyv.txt lacks its title"
for manual in "$readme" "$manual_hu"; do
  for windows in '%APPDATA%\qvformat\qvformat.ini' '%LOCALAPPDATA%\qvformat' 'qvformat (targylista)'; do
    grep -qF "$windows" "$manual" || fail "$(basename "$manual") does not mention $windows"
  done
  # No Linux paths or programs, no word split by hyphenation at a line's end.
  ! grep -n -E $'/usr/|~/|xdg|XDG_|\\.config|\\.local|[[:alpha:]]-\r$' "$manual" >&2 ||
    fail "$(basename "$manual") holds Linux text"
done
cmp "$source/assets/qvformat.ini" "$work/unzipped/$top/qvformat.ini" || fail "qvformat.ini differs"
convert "$work/zip-reports" "$cwin\\unzipped\\$top\\qvformat.exe"
same_document "$work/zip-reports" "the unpacked tool"

# 3. The installer. /D= is the last parameter and takes the rest of the
# command line, blanks and all, so cmd passes it on unquoted.
cp "$setup" "$work/setup.exe"
run_installer() { run cmd /c "$cwin\\setup.exe /S$1" || fail "the installer failed ($?)"; }
# The Start menu's manual as the installer's language names it: English
# unless Windows speaks Hungarian.
manual_link="qvformat manual.lnk"
manual_file=README.txt
# hungarian COMMAND...: runs it under a Hungarian Windows.
mkdir -p "$work/locale" && localedef -i hu_HU -f UTF-8 "$work/locale/hu_HU.UTF-8" ||
  fail "cannot make the hu_HU.UTF-8 locale (locales)"
hungarian() { LOCPATH=$work/locale LC_ALL=hu_HU.UTF-8 "$@"; }
one_uninstall_key() {
  local keys
  keys=$(run reg query "$uninstall_root" | tr -d '\r' | grep -ci qvformat || true)
  [ "$keys" = 1 ] || fail "$keys uninstall keys name qvformat"
}
# link FILE FIELD: a field of a shortcut (target, workdir, arguments, icon).
link() {
  [ -f "$1" ] || fail "no shortcut $1"
  python3 "$tests/read_shortcut.py" "$1" | sed -n "s/^$2=//p"
}
# installed WINDIR DIR: an install in that folder, as the registry, the
# PATH and the shortcuts show it; the Send-to entries and the command prompt
# work.
installed() {
  local win=$1 dir=$2
  for f in "${files[@]}" Uninstall.exe; do
    [ -f "$dir/$f" ] || fail "$f was not installed in $win"
  done
  one_uninstall_key
  [ "$(reg_value "$uninstall_key" InstallLocation)" = "$win" ] || fail "InstallLocation is not $win"
  [ "$(reg_value "$uninstall_key" UninstallString)" = "\"$win\\Uninstall.exe\"" ] ||
    fail "UninstallString: $(reg_value "$uninstall_key" UninstallString)"
  [ "$(reg_value "$uninstall_key" DisplayIcon)" = "$win\\qvformat.exe,0" ] || fail "no DisplayIcon"
  [ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "DisplayVersion"
  [ "$(reg_value "$uninstall_key" DisplayName)" = "qvformat $version" ] || fail "DisplayName"
  [ -n "$(reg_value "$uninstall_key" Publisher)" ] || fail "no Publisher"
  # EstimatedSize, in KB: the folder's size within a tenth.
  local size=$(($(reg_value "$uninstall_key" EstimatedSize))) du_size
  du_size=$(du -sk --apparent-size "$dir" | cut -f1)
  ((size * 10 > du_size * 9 && size * 10 < du_size * 11)) || fail "EstimatedSize $size KB, $du_size KB installed"
  [ "$(user_path)" = "$player_path;$win" ] || fail "PATH after the install into $win: $(user_path)"

  [ "$(link "$menu/$manual_link" target)" = "$win\\$manual_file" ] ||
    fail "the Start menu's manual is not $manual_link to $win\\$manual_file"
  [ "$(cd "$menu" && printf '%s\n' *)" = "$(printf '%s\n' "$manual_link" "qvformat parancssor.lnk" | sort)" ] ||
    fail "the Start menu holds $(cd "$menu" && echo *)"
  # The command prompt, run as its shortcut says with /c for /k, from a
  # batch file, with the PATH entry taken away: the usage text.
  local prompt="$menu/qvformat parancssor.lnk"
  [ "$(link "$prompt" workdir)" = "$documents_win" ] || fail "the command prompt does not start in Documents"
  printf '@cd /d "%s"\r\n@"%s" %s\r\n' "$documents_win" "$(link "$prompt" target)" \
    "$(link "$prompt" arguments | sed 's,^/k ,/c ,')" >"$work/prompt.bat"
  set_user_path "$player_path"
  run cmd /c "$cwin\\prompt.bat" >"$work/stdout" 2>&1 || fail "the command prompt failed"
  set_user_path "$player_path;$win"
  grep -q '^Hasznalat:' "$work/stdout" || { cat "$work/stdout" >&2; fail "the command prompt finds no qvformat"; }

  # Send to: Explorer runs the target with the shortcut's arguments and the
  # full names of the chosen files, from the shortcut's folder.
  local reports=$work/sent
  rm -rf "$reports" && mkdir "$reports"
  cp "$examples/1234_57.htm" "$reports/"
  for entry in "$sendto_rtf" "$sendto_list"; do
    [ "$(link "$entry" target)" = "$win\\qvformat.exe" ] || fail "$entry does not start $win\\qvformat.exe"
    # shellcheck disable=SC2046  # the arguments, none or /t
    (cd "$(unix_path "$(link "$entry" workdir)")" &&
      run "$(link "$entry" target)" $(link "$entry" arguments) "$cwin\\sent\\1234_57.htm") \
      >"$work/stdout" 2>&1 || { cat "$work/stdout" >&2; fail "$entry failed"; }
  done
  cmp "$examples/expected/1234_57/1234r57.htm" "$reports/1234r57.htm" || fail "Send to: the page differs"
  same_document "$reports" "Send to"
}

run_installer ""
installed "$localappdata_win\\Programs\\qvformat" "$localappdata/Programs/qvformat"

instwin="$cwin\\Jatek mappa\\qvformat"
inst=$work/Jatek\ mappa/qvformat
for _ in 1 2; do
  run_installer " /D=$instwin"
  installed "$instwin" "$inst"
done
[ ! -e "$localappdata/Programs/qvformat" ] || fail "the install into the default folder was left"
[ ! -e "$appdata/qvformat" ] && [ ! -e "$localappdata/qvformat" ] ||
  fail "the installer made a folder of the player's"

# Into another folder: the earlier one keeps only the player's file.
echo 'sajat' >"$inst/sajat.txt"
run_installer " /D=$cwin\\Masik\\qvformat"
installed "$cwin\\Masik\\qvformat" "$work/Masik/qvformat"
[ "$(find "$inst")" = "$inst
$inst/sajat.txt" ] || { find "$inst" >&2; fail "the earlier install was not removed as it should be"; }
rm -rf "$work/Masik" "$inst"
manual_link="qvformat kézikönyv.lnk"
manual_file=kezikonyv.txt
hungarian run_installer " /D=$instwin"
installed "$instwin" "$inst"

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
[ -z "$(reg_value "$uninstall_key" InstallLocation)" ] || fail "the uninstall key is left"
[ ! -e "$menu" ] && [ ! -e "$sendto_rtf" ] && [ ! -e "$sendto_list" ] || fail "shortcuts are left"
cmp "$work/player.ini" "$appdata/qvformat/qvformat.ini" || fail "the player's settings changed"
[ -f "$localappdata/qvformat/item.txt" ] || fail "the player's item list is gone"
rm -rf "$appdata/qvformat" "$localappdata/qvformat"

echo "packages: resources, zip entries, silent installs, shortcuts, PATH, conversions and uninstall as expected"
