#!/usr/bin/env bash
# Opens the printable atlas of the small test world in LibreOffice: the texts
# of atlasz.expect must be there, and the PDF must hold every picture of the
# document (the banner, the overview and each sheet).
#
#   atlas_document.sh QV_ATLAS_VIEWS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" "$work" >/dev/null
bash "$here/libreoffice.sh" "$work/atlasz.rtf" "$here/atlasz.expect"

soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
  --outdir "$work" "$work/atlasz.rtf" >/dev/null 2>&1
pictures=$(grep -c '{\\pict' "$work/atlasz.rtf" || true)
images=$(pdfimages -list "$work/atlasz.pdf" | tail -n +3 | wc -l)
echo "atlasz.rtf: $pictures pictures, $images in the PDF"
if [ "$images" -ne "$pictures" ]; then
  echo "LibreOffice shows $images of the $pictures pictures"
  exit 1
fi
