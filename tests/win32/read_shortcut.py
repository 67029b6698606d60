#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk, the Shell Link format) starts, one
field a line: target=..., workdir=..., arguments=..., icon=... (a field the
link lacks is printed empty).

    read_shortcut.py FILE.lnk
"""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x1, 0x2, 0x80
# The optional strings, in the order they follow the link info.
STRINGS = [(0x4, "name"), (0x8, "relative"), (0x10, "workdir"), (0x20, "arguments"),
           (0x40, "icon")]


def read(data):
    if data[:4] != b"\x4c\0\0\0":
        raise ValueError("not a shell link")
    flags = struct.unpack_from("<I", data, 0x14)[0]
    pos = 0x4C
    if flags & HAS_ID_LIST:
        pos += 2 + struct.unpack_from("<H", data, pos)[0]
    fields = {"target": ""}
    if flags & HAS_LINK_INFO:
        size, header = struct.unpack_from("<II", data, pos)
        base = struct.unpack_from("<I", data, pos + 16)[0]
        if header >= 0x24:  # the Unicode copy of the local path
            start = end = pos + struct.unpack_from("<I", data, pos + 28)[0]
            while data[end:end + 2] != b"\0\0":
                end += 2
            fields["target"] = data[start:end].decode("utf-16-le")
        elif base:
            end = data.index(b"\0", pos + base)
            fields["target"] = data[pos + base:end].decode("cp1252")
        pos += size
    for bit, name in STRINGS:
        fields.setdefault(name, "")
        if flags & bit:
            count = struct.unpack_from("<H", data, pos)[0]
            pos += 2
            width = 2 if flags & IS_UNICODE else 1
            raw = data[pos:pos + count * width]
            # (Wine counts the closing NUL too.)
            fields[name] = raw.decode("utf-16-le" if width == 2 else "cp1252").rstrip("\0")
            pos += count * width
    return fields


def main():
    with open(sys.argv[1], "rb") as f:
        fields = read(f.read())
    for name in ("target", "workdir", "arguments", "icon"):
        print(f"{name}={fields[name]}")


if __name__ == "__main__":
    main()
