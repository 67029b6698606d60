#!/usr/bin/env bash
# Runs the built tool the way a player would: a copy of the sample reports in
# build/demo, converted all at once with "qvformat /k", then the item-list
# page of each with "qvformat /t /k", and their atlas with "qvformat /atlasz".
set -euo pipefail
exe=$(realpath "$1")
demo=$(dirname "$exe")/demo
rm -rf "$demo"
mkdir -p "$demo"
cp examples/*.htm "$demo"/
cd "$demo"
"$exe" /k
"$exe" /t /k
"$exe" /atlasz
echo
echo "Documents written in $demo:"
ls -l -- *.rtf
echo "Item-list pages written in $demo (open them in a browser):"
ls -l -- *r[0-9]*.htm
echo "The atlas of the reports in $demo (atlasz.htm to explore, atlasz.rtf to print):"
ls -l -- atlasz.*
