#!/usr/bin/env python3
"""Checks that an NSIS installer holds each of the given texts, as the
Unicode installer shows them (UTF-16), and names those it lacks.

    installer_texts.py SETUP.exe TEXT...

The installer's texts are in its header, the start of the LZMA stream that
follows the first header ("NullsoftInst"); the installer must be made with
/SOLID lzma, as ours is.
"""
import lzma
import struct
import sys


def header(data):
    sig = data.find(b"\xef\xbe\xad\xdeNullsoftInst")
    if sig < 4:
        raise ValueError("not an NSIS installer")
    header_size = struct.unpack_from("<I", data, sig + 16)[0]
    stream = data[sig + 24:]
    props, dict_size = stream[0], struct.unpack_from("<I", stream, 1)[0]
    lzma1 = {"id": lzma.FILTER_LZMA1, "dict_size": dict_size,
             "lc": props % 9, "lp": props // 9 % 5, "pb": props // 45}
    decoder = lzma.LZMADecompressor(lzma.FORMAT_RAW, filters=[lzma1])
    return decoder.decompress(stream[5:], max_length=4 + header_size)


def main():
    with open(sys.argv[1], "rb") as f:
        texts = header(f.read())
    missing = [t for t in sys.argv[2:] if t.encode("utf-16-le") not in texts]
    for text in missing:
        print(f"the installer lacks the text: {text}", file=sys.stderr)
    sys.exit(1 if missing else 0)


if __name__ == "__main__":
    main()
