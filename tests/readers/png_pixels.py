"""Just enough of a PNG reader to tell a blank picture from a drawn one:
8-bit greyscale, grey+alpha, RGB, RGBA and palette images, not interlaced
(what libwmf and Chromium write)."""

import struct
import zlib

_CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_rows(data):
    """(width, height, rows): each row a bytes object of raw samples."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos, chunks, header = 8, [], None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or interlace or colour not in _CHANNELS:
        raise ValueError("PNG kind not handled: depth %d colour %d" % (depth, colour))
    step = _CHANNELS[colour]
    raw = zlib.decompress(b"".join(chunks))
    stride = width * step
    rows, previous = [], bytearray(stride)
    for y in range(height):
        at = y * (stride + 1)
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up = previous[i]
            upleft = previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + _paeth(left, up, upleft)) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, step, rows


def drawn_share(data):
    """The share of pixels that differ from the picture's most common one."""
    width, height, step, rows = read_rows(data)
    counts = {}
    for row in rows:
        for x in range(0, len(row), step):
            pixel = row[x:x + step]
            counts[pixel] = counts.get(pixel, 0) + 1
    total = width * height
    return (total - max(counts.values())) / total if total else 0.0
