#!/usr/bin/env bash
# Builds the .deb with cpack, installs it with apt-get (dependencies too),
# shows the man pages (English, and Hungarian under a Hungarian locale),
# converts a sample report from a folder under /tmp as a player with settings
# of their own, and removes the package again, also when a step fails. Run as
# root (or with sudo available) on Debian 12:
#
#   bash scripts/check-deb.sh [BUILD]      (default: build, configured and built)
#
# Needs dpkg-dev (dpkg-shlibdeps works out the library dependencies), man-db
# and locales (the sources of the Hungarian locale). Refuses to run when a
# qvformat package is installed already, since it would remove it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "check-deb: run as root or install sudo" >&2; exit 1; }
  sudo="sudo"
fi
for tool in cpack dpkg-shlibdeps man; do
  command -v "$tool" >/dev/null || { echo "check-deb: $tool is missing (cmake, dpkg-dev, man-db)" >&2; exit 1; }
done
if dpkg-query -W -f='${Status}' qvformat 2>/dev/null | grep -q "install ok installed"; then
  echo "check-deb: a qvformat package is installed already; remove it first" >&2
  exit 1
fi

work=$(mktemp -d /tmp/check-deb.XXXXXX)
installed=no
cleanup() {
  if [ "$installed" = yes ]; then
    echo "== apt-get remove --purge qvformat"
    $sudo apt-get remove --purge -y qvformat >"$work/remove.log" 2>&1 || cat "$work/remove.log" >&2
    if dpkg-query -W -f='${Status}' qvformat 2>/dev/null | grep -q "install ok installed"; then
      echo "check-deb: qvformat is still installed" >&2
    else
      echo "qvformat removed; /usr/lib/qvformat: $(ls -d /usr/lib/qvformat 2>&1 | sed 's/.*: //')"
    fi
  fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "== cmake --build $build"
cmake --build "$build" -j2 >"$work/build.log" || { cat "$work/build.log" >&2; exit 1; }
echo "== cpack"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package") >"$work/cpack.log" ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/package/qvformat_*.deb)
cp "$deb" "$work/"
deb=$work/$(basename "$deb")
dpkg-deb --field "$deb" Package Version Depends Recommends

echo "== apt-get install $(basename "$deb")"
installed=yes
$sudo apt-get install -y "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; exit 1; }
grep -E "^(Setting up|The following NEW)" "$work/apt.log" || true

echo "== man qvformat | head"
MANWIDTH=80 man qvformat 2>&1 | head -n 12

# The Hungarian man page: under a Hungarian locale (made here, in LOCPATH,
# so the system's locales stay as they are) and with "man -L hu"; the
# English one stays the default.
echo "== LANG=hu_HU.UTF-8 man qvformat | head"
mkdir -p "$work/locale" && localedef -i hu_HU -f UTF-8 "$work/locale/hu_HU.UTF-8" ||
  { echo "check-deb: cannot make the hu_HU.UTF-8 locale (locales)" >&2; exit 1; }
# man_in LANG [OPTION...]: the page man shows in that locale.
man_in() {
  local lang=$1
  shift
  env -i PATH=/usr/bin:/bin MANWIDTH=80 LOCPATH="$work/locale" LANG="$lang" man "$@" qvformat 2>&1
}
man_in hu_HU.UTF-8 >"$work/man-hu.txt"
head -n 12 "$work/man-hu.txt"
for header in NÉV KAPCSOLÓK "KILÉPÉSI KÓD"; do
  grep -qx "$header" "$work/man-hu.txt" || { echo "check-deb: the Hungarian man page lacks $header" >&2; exit 1; }
done
man_in C.UTF-8 -L hu | cmp -s - "$work/man-hu.txt" ||
  { echo "check-deb: man -L hu shows another page" >&2; exit 1; }
man_in C.UTF-8 | grep -qx NAME || { echo "check-deb: English is not the default man page" >&2; exit 1; }

echo "== qvformat as a player, in $work/reports"
home=$work/home
mkdir -p "$work/reports" "$home/.config/qvformat"
cp /usr/share/doc/qvformat/examples/1234_57.htm "$work/reports/"
printf '[FORMAT]\r\nFontTimes=Sajat Times CE\r\n' >"$home/.config/qvformat/qvformat.ini"
player() { (cd "$work/reports" && env -i PATH=/usr/bin:/bin HOME="$home" LC_ALL=C.UTF-8 "$@"); }
echo "\$ type qvformat: $(player bash -c 'type -p qvformat') -> $(readlink -f /usr/bin/qvformat)"
# The messages are Windows-1250 when they do not go to a terminal.
player qvformat 1234_57.htm | iconv -f CP1250 -t UTF-8
player qvformat /t 1234_57.htm | iconv -f CP1250 -t UTF-8
ls -l "$work/reports"
grep -a -q "Sajat Times CE" "$work/reports/1234r57.rtf" ||
  { echo "check-deb: the document does not use the per-user settings" >&2; exit 1; }
echo "the document uses the font of ~/.config/qvformat/qvformat.ini"
echo "\$ bash completion of 'qvformat /l':" \
  "$(bash -c 'source /usr/share/bash-completion/completions/qvformat;
              COMP_WORDS=(qvformat /l); COMP_CWORD=1; _qvformat; echo "${COMPREPLY[*]}"')"
echo "check-deb: the package installs and runs"
