#!/usr/bin/env bash
# Opens a document in LibreOffice, as a player without Word would: converts
# it to PDF headless, then checks with pdftotext that page 1 and the whole
# document hold the texts an expectation file lists, one per line:
#   page1: TEXT       on page 1
#   document: TEXT    anywhere
#   line: TEXT        anywhere, within one line (a heading squeezed into a
#                     narrow table cell breaks into several)
#   columns: A | B    on one line of the page layout (pdftotext -layout), in
#                     this order: the cells of a table row side by side
#   alone: TEXT       a line of the page layout that holds TEXT and nothing
#                     else but blanks (a heading not drawn into a table cell
#                     beside other text)
# For page1 and document, line breaks and runs of blanks in the PDF's text
# count as one blank.
#
#   libreoffice.sh DOCUMENT.rtf EXPECTATIONS
set -euo pipefail
document=$1
expectations=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A profile of its own, so that runs side by side do not share one.
if ! soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
  --outdir "$work" "$document" >"$work/log" 2>&1; then
  echo "LibreOffice failed on $document:"
  cat "$work/log"
  exit 1
fi
pdf=$work/$(basename "${document%.*}").pdf
if [ ! -s "$pdf" ]; then
  echo "LibreOffice made no PDF of $document:"
  cat "$work/log"
  exit 1
fi

flat() { tr -s ' \n\f\t' '    ' <"$1"; }
pdftotext -f 1 -l 1 "$pdf" "$work/page1.raw"
pdftotext "$pdf" "$work/document.raw"
flat "$work/page1.raw" >"$work/page1.txt"
flat "$work/document.raw" >"$work/document.txt"
cp "$work/document.raw" "$work/line.txt"
pdftotext -layout "$pdf" "$work/layout.raw"
# A page's first line starts with a form feed.
tr '\f' '\n' <"$work/layout.raw" | sed -e 's/^ *//' -e 's/ *$//' >"$work/alone.txt"
echo "$(basename "$document"): $(pdfinfo "$pdf" | sed -n 's/^Pages: *//p') pages in LibreOffice"

failed=0
while IFS= read -r line; do
  case $line in '' | '#'*) continue ;; esac
  where=${line%%: *}
  text=${line#*: }
  case $where in
    columns)
      # Each part found after the one before it, on one line.
      if ! awk -v spec="$text" '
        BEGIN { n = split(spec, part, / \| /) }
        {
          rest = $0
          for (i = 1; i <= n; i++) {
            at = index(rest, part[i])
            if (at == 0) next
            rest = substr(rest, at + length(part[i]))
          }
          found = 1
          exit
        }
        END { exit !found }' "$work/layout.raw"; then
        echo "not side by side on one line of the layout: $text"
        failed=1
      fi
      ;;
    alone)
      if ! grep -qxF -- "$text" "$work/alone.txt"; then
        echo "not alone on a line of the layout: $text"
        failed=1
      fi
      ;;
    *)
      if ! grep -qF -- "$text" "$work/$where.txt"; then
        case $where in
          page1) echo "not on page 1: $text" ;;
          line) echo "not on one line of the document: $text" ;;
          *) echo "not in the document: $text" ;;
        esac
        failed=1
      fi
      ;;
  esac
done <"$expectations"
if [ "$failed" -ne 0 ]; then
  echo "---- page 1 as LibreOffice shows it ----"
  cat "$work/page1.raw"
fi
exit "$failed"
