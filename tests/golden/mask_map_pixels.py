#!/usr/bin/env python3
"""Writes an RTF document to standard output with the pixel rows of its map
pictures masked ("-" for every hex digit of them).

A map picture is the group "{\\pict\\wmetafile8\\picwW\\pichH " followed by the
metafile in hex (banners carry \\picwgoal and stay whole). In its metafile the
StretchDIB record's bitmap is found by walking the records; its header and
palette, every other record and every byte around the picture stay as they
are, so the comparison still sees the metafile's structure and sizes.
"""
import re
import struct
import sys

STRETCH_DIB = 0x0F43
STRETCH_DIB_PARAM_BYTES = 22  # raster operation, colour use, eight coordinates
WMF_HEADER_BYTES = 18
MAP_PICTURE = re.compile(rb"\{\\pict\\wmetafile8\\picw\d+\\pich\d+ ")


def fail(message):
    sys.exit(f"mask_map_pixels: {message}")


def pixel_ranges(wmf):
    """The byte ranges of the bitmap rows of every StretchDIB record."""
    ranges = []
    at = WMF_HEADER_BYTES
    while at + 6 <= len(wmf):
        words, function = struct.unpack_from("<IH", wmf, at)
        if words < 3 or at + 2 * words > len(wmf):
            fail(f"a record at byte {at} does not fit the metafile")
        if function == STRETCH_DIB:
            dib = at + 6 + STRETCH_DIB_PARAM_BYTES
            header, _, _, _, bits, _, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", wmf, dib)
            if header != 40:
                fail(f"a bitmap at byte {dib} has no BITMAPINFOHEADER")
            colours = used if used else (1 << bits if bits <= 8 else 0)
            ranges.append((dib + header + 4 * colours, at + 2 * words))
        if function == 0:  # the end record
            break
        at += 2 * words
    return ranges


def mask(rtf):
    out = bytearray(rtf)
    for match in MAP_PICTURE.finditer(rtf):
        start = match.end()
        end = rtf.index(b"}", start)
        # Where each hex digit of the group stands in the document.
        digits = [i for i in range(start, end) if rtf[i] not in b" \t\r\n"]
        if len(digits) % 2:
            fail(f"odd hex digits in the picture at byte {match.start()}")
        wmf = bytes.fromhex(bytes(rtf[i] for i in digits).decode("ascii"))
        for first, last in pixel_ranges(wmf):
            for i in digits[2 * first:2 * last]:
                out[i] = ord("-")
    return bytes(out)


def main():
    if len(sys.argv) != 2:
        fail("usage: mask_map_pixels.py DOCUMENT.rtf")
    with open(sys.argv[1], "rb") as f:
        sys.stdout.buffer.write(mask(f.read()))


if __name__ == "__main__":
    main()
