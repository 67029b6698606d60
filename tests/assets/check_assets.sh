#!/usr/bin/env bash
# Draws the pictures again with assetgen in an empty folder and compares them
# byte for byte with the committed ones: the title banner assets/banner.pbm,
# the item category banners assets/item_banner_*.pbm and the map pictures
# assets/picture/*.bmp and the program's icon assets/qvformat.ico. Lists every file that differs and how to regenerate
# it.
#
#   check_assets.sh ASSETGEN SOURCE_DIR
set -euo pipefail
assetgen=$(realpath "$1")
source=$(realpath "$2")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/picture" "$work/items"
"$assetgen" banner-pbm "$work/banner.pbm"
"$assetgen" item-banners "$work/items"
"$assetgen" pictures "$work/picture"
"$assetgen" icon "$work/qvformat.ico"

failed=0
# same GENERATED COMMITTED HOW: reports COMMITTED when the two files differ.
same() {
  if [[ ! -e $2 ]]; then
    echo "missing: ${2#"$source"/} (assetgen draws it)"
  elif ! cmp -s "$1" "$2"; then
    echo "differs from what assetgen draws: ${2#"$source"/}"
  else
    return 0
  fi
  echo "  regenerate with: $3"
  failed=1
}

same "$work/banner.pbm" "$source/assets/banner.pbm" \
  "build/tools/assetgen banner-pbm assets/banner.pbm"
for drawn in "$work"/items/*.pbm; do
  same "$drawn" "$source/assets/${drawn##*/}" "build/tools/assetgen item-banners assets"
done
for committed in "$source"/assets/item_banner_*.pbm; do
  if [[ -e $committed && ! -e $work/items/${committed##*/} ]]; then
    echo "not drawn by assetgen: ${committed#"$source"/} (remove it, or draw it in tools/assetgen)"
    failed=1
  fi
done
for drawn in "$work"/picture/*.bmp; do
  same "$drawn" "$source/assets/picture/${drawn##*/}" \
    "build/tools/assetgen pictures assets/picture"
done
for committed in "$source"/assets/picture/*.bmp; do
  if [[ ! -e $work/picture/${committed##*/} ]]; then
    echo "not drawn by assetgen: ${committed#"$source"/} (remove it, or draw it in tools/assetgen)"
    failed=1
  fi
done
same "$work/qvformat.ico" "$source/assets/qvformat.ico" \
  "build/tools/assetgen icon assets/qvformat.ico"

if (( failed )); then
  echo "The title banner's pixels also depend on the installed font (fc-match 'Liberation Serif:bold')"
  echo "and FreeType; regenerate only when the drawing changed on purpose, and look at the result."
fi
exit $failed
