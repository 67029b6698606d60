#!/usr/bin/env python3
"""Reads every picture of an RTF document with libwmf, as a reader without
Word would: each "{\\pict\\wmetafile8 ...}" group's hex data is written out
as a metafile and drawn by wmf2gd. Each must draw without an error into a
picture that is not blank.

    metafiles.py DOCUMENT.rtf MIN-PICTURES
"""

import pathlib
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import png_pixels  # noqa: E402

PICTURE = re.compile(rb"\{\\pict\\wmetafile8((?:\\[a-z]+-?\d* ?)*)([0-9a-fA-F\r\n]+)\}")


def main():
    document, least = pathlib.Path(sys.argv[1]), int(sys.argv[2])
    pictures = list(PICTURE.finditer(document.read_bytes()))
    failures = []
    with tempfile.TemporaryDirectory() as work:
        for number, match in enumerate(pictures, 1):
            what = "picture %d (%s)" % (number, match.group(1).decode())
            metafile = pathlib.Path(work, "p%d.wmf" % number)
            drawn = metafile.with_suffix(".png")
            metafile.write_bytes(bytes.fromhex(re.sub(rb"\s", b"", match.group(2)).decode()))
            run = subprocess.run(["wmf2gd", "-o", str(drawn), str(metafile)],
                                 capture_output=True, text=True, timeout=60)
            # wmf2gd shows its progress on the error stream; anything else is a complaint.
            complaint = re.sub(r"\d+%|[\b\r]", "", run.stderr).strip()
            if run.returncode != 0 or complaint or not drawn.exists():
                failures.append("%s: wmf2gd failed (%d): %s" % (what, run.returncode, complaint))
                continue
            share = png_pixels.drawn_share(drawn.read_bytes())
            if share < 0.01:
                failures.append("%s: libwmf draws it blank (%.4f drawn)" % (what, share))
    print("%s: %d pictures read by libwmf" % (document.name, len(pictures)))
    if len(pictures) < least:
        failures.append("%d pictures found, at least %d expected" % (len(pictures), least))
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
