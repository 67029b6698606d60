#!/bin/sh
# Runs a Windows program of the cross build under Wine:
#
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
#
# PREFIX is the build's own Wine prefix, made on first use (wineboot takes
# some seconds; runs that start together wait for one of them to make it).
# Wine's own messages are off, and so are the installers of Mono and Gecko
# it would offer. Maps' labels ask for "Times New Roman", which Wine finds
# through fontconfig as Liberation Serif (fonts-liberation) once told so.
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
if [ ! -f "$prefix/.qv-ready" ]; then
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [ ! -f "$prefix/.qv-ready" ]; then
      wineboot -i </dev/null >/dev/null 2>&1 9>&-
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /d 'Liberation Serif' /f </dev/null >/dev/null 2>&1 9>&-
      wineserver -w
      touch "$prefix/.qv-ready"
    fi
  ) 9>"$prefix.lock"
fi
# One Wine server for the whole test run, kept two minutes after its last
# program: a program that starts while a server shuts down fails ("wine
# client error"). Wine's own services start with the server's first program
# and live as long as the server: a first program of our own, with no
# output streams, starts them, so that they hold no test's output open.
# (When a server runs already, "wineserver -p" quits at once.)
# Neither may keep the lock's descriptor either.
(
  flock 9
  if wineserver -p120 </dev/null >/dev/null 2>&1 9>&-; then
    wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
  fi
) 9>"$prefix.lock"
exec wine "$@"
