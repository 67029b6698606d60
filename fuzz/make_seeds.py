#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/ and
their dictionaries into fuzz/dict/<target>.dict.

The seeds come from the sample reports (examples/), the reports and files of
the end-to-end cases (tests/cmd/*.t), the shipped settings, lists and
pictures (assets/), and a few small inputs made here: BMP files of every
bit depth the reader takes, line-reader scripts, login answers and turn
responses. A dictionary holds the string literals of the code a target
reaches (its markers, keys and tags, "..."_cp ones in Windows-1250) and
numbers at the edges of 32 bits. Run it from anywhere after changing any of
those; it replaces the corpora and dictionaries as a whole and prints what
it wrote.

    python3 fuzz/make_seeds.py
"""

import hashlib
import pathlib
import re
import shutil
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"
DICT = ROOT / "fuzz" / "dict"

# The folders whose literals each target's dictionary takes.
DICT_SOURCES = {
    "convert_old_layout": ["convert", "text", "site"],
    "convert_new_layout": ["convert", "text", "site"],
    "item_list_page": ["itemlist", "text", "site"],
    "map_drawing": ["graphics", "convert/maps"],
    "settings": ["platform", "convert", "itemlist", "site"],
    "data_files": ["itemlist"],
    "turn_resolution": ["download"],
    "response_cut": ["download"],
}
EDGE_NUMBERS = ["0", "-1", "2147483647", "2147483648", "-2147483648", "-2147483649", "4294967295",
                "4294967296", "$FFFFFFFF", "0x7FFFFFFF", "99999999999999999999"]

# The end-to-end cases are UTF-8 with LF line ends and stand for
# Windows-1250 files with CR LF line ends (tests/cmdtest/case_file.h).
SECTION = re.compile(r"^--- (\S+)(?: (\S+))?((?: \S+)*)$")


def case_files(path):
    """(kind, name, bytes) of every file and exefile section of a case."""
    result = []
    kind = name = None
    flags = []
    lines = []

    def flush():
        if kind in ("file", "exefile") and name:
            sep = "\n" if "lf" in flags else "\r\n"
            text = sep.join(lines)
            if "noeol" not in flags:
                text += sep
            result.append((kind, name, text.encode("cp1250", errors="replace")))

    for line in path.read_text(encoding="utf-8").split("\n")[:-1]:
        m = SECTION.match(line)
        if m:
            flush()
            kind, name, flags, lines = m.group(1), m.group(2), m.group(3).split(), []
        else:
            lines.append(line)
    flush()
    return result


def is_older_layout(report):
    """The tool's own rule: the first "<title>" line also holds "</title>"."""
    for line in report.split(b"\n"):
        lower = line.lower()
        if b"<title>" in lower:
            return b"</title>" in lower
    return False


def map_section(report):
    """The lines a map target reads: the frame line, and in the newer
    layout the cells after it up to "</table></center>"."""
    lines = report.split(b"\n")
    for i, line in enumerate(lines):
        if b"<param name=koord" in line.lower():
            if b"> <" in line:
                return line + b"\n"
            end = i
            while end < len(lines) and b"</table></center>" not in lines[end].lower():
                end += 1
            return b"\n".join(lines[i:end + 1]) + b"\n"
    return None


def bmp(width, height, bits, pixel, top_down=False, palette=((0, 0, 0), (255, 255, 255))):
    """An uncompressed BMP; pixel(x, y) is a palette index for up to 8 bits,
    else 0 (black) or 1 (white)."""
    row_bytes = (width * bits + 31) // 32 * 4
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) if bits <= 8 else b""
    offset = 14 + 40 + len(table)
    rows = []
    for stored in range(height):
        y = stored if top_down else height - 1 - stored
        row = bytearray(row_bytes)
        for x in range(width):
            v = pixel(x, y)
            if bits == 1:
                row[x // 8] |= (v & 1) << (7 - x % 8)
            elif bits == 4:
                row[x // 2] |= (v & 15) << (0 if x % 2 else 4)
            elif bits == 8:
                row[x] = v
            elif bits == 16:
                struct.pack_into("<H", row, 2 * x, 0x7FFF if v else 0)
            else:
                n = bits // 8
                row[n * x:n * x + 3] = b"\xff\xff\xff" if v else b"\0\0\0"
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIII", b"BM", offset + len(data), 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits, 0,
                       len(data), 0, 0, len(palette) if bits <= 8 else 0, 0)
    return header + info + table + data


def line_script(*steps):
    """A receive_buffer script (fuzz/receive_buffer.cc)."""
    out = bytearray()
    for step in steps:
        if isinstance(step, bytes):
            for start in range(0, len(step), 255):
                chunk = step[start:start + 255]
                out += bytes((0, len(chunk))) + chunk
        elif step == "line":
            out.append(1)
        elif step == "all":
            out.append(4)
        elif step == "clear":
            out.append(5)
        elif step[0] == "find":
            out += bytes((2, ord(step[1])))
        elif step[0] == "take":
            out += bytes((3, step[1]))
    return bytes(out)


def char_prefix(source, i):
    """Whether the quote at i follows the prefix of a character literal
    (u8'x', u'x', U'x', L'x')."""
    for p in ("u8", "u", "U", "L"):
        start = i - len(p)
        if start >= 0 and source.startswith(p, start) and not (
                start > 0 and (source[start - 1].isalnum() or source[start - 1] == "_")):
            return True
    return False


def cpp_literals(source):
    """The ordinary string literals of C++ source as (text, is_cp): comments,
    character literals and raw strings are passed over; escapes are undone."""
    found = []
    i, n = 0, len(source)
    while i < n:
        c = source[i]
        if source.startswith("//", i):
            i = source.find("\n", i)
            i = n if i < 0 else i
        elif source.startswith("/*", i):
            i = source.find("*/", i)
            i = n if i < 0 else i + 2
        elif c == "R" and source.startswith('R"', i) and not (source[i - 1].isalnum() or source[i - 1] == "_"):
            open_paren = source.index("(", i)
            close = ")" + source[i + 2:open_paren] + '"'
            i = source.index(close, open_paren) + len(close)
        elif c == "'" and source[i - 1].isalnum() and not char_prefix(source, i):
            i += 1  # a digit separator
        elif c in "\"'":
            j = i + 1
            text = []
            while source[j] != c:
                if source[j] == "\\":
                    j += 1
                    text.append({"n": "\n", "r": "\r", "t": "\t", "0": "\0"}.get(source[j], source[j]))
                else:
                    text.append(source[j])
                j += 1
            i = j + 1
            if c == '"':
                is_cp = source.startswith("_cp", i)
                found.append(("".join(text), is_cp))
        else:
            i += 1
    return found


def literals(folders):
    """The string literals of the C++ files in the folders, as bytes."""
    found = set()
    for folder in folders:
        for path in sorted((ROOT / folder).glob("*.cc")) + sorted((ROOT / folder).glob("*.h")):
            for text, is_cp in cpp_literals(path.read_text(encoding="utf-8")):
                data = text.encode("cp1250" if is_cp else "utf-8", errors="replace")
                if 3 <= len(data) <= 64:
                    found.add(data)
    return sorted(found)


def dictionary_entry(data):
    return '"' + "".join(chr(b) if 32 <= b < 127 and b not in (34, 92) else "\\x%02X" % b
                         for b in data) + '"'


def main():
    seeds = {}

    def add(target, name, data):
        seeds.setdefault(target, {})[name] = data

    reports = []  # (name, bytes)
    for path in sorted((ROOT / "examples").glob("*.htm")):
        reports.append((path.name, path.read_bytes()))
    for case in sorted((ROOT / "tests" / "cmd").glob("*.t")):
        for kind, name, data in case_files(case):
            stem = case.stem + "." + name.replace("/", "_")
            if kind == "file" and name.lower().endswith(".htm") and b"<" in data:
                reports.append((stem, data))
            elif kind == "exefile" and name == "qvformat.ini":
                add("settings", stem, data)
            elif kind == "exefile" and name in ("item.txt", "spell.txt", "items.txt", "spells.txt"):
                add("data_files", stem, data)

    seen = set()
    for name, data in reports:
        digest = hashlib.sha1(data).hexdigest()
        if digest in seen:
            continue
        seen.add(digest)
        add("convert_old_layout" if is_older_layout(data) else "convert_new_layout", name, data)
        add("item_list_page", name, data)
        section = map_section(data)
        if section is not None:
            add("map_drawing", name, section)

    add("map_drawing", "frame_only", b'<param name=koord value="1,1,0,0;">\n')
    add("map_drawing", "every_icon",
        b'<param name=koord value="1,1,-3,99;">\n<param name=p1 value="0,0,14,9,2047;">\n'
        b"</table></center>\n")

    for picture in ("nyilak.bmp", "ikonok.bmp", "tenger.bmp"):
        add("bmp_reader", picture, (ROOT / "assets" / "picture" / picture).read_bytes())
    checker = lambda x, y: (x + y) % 2
    for bits in (1, 4, 8, 16, 24, 32):
        add("bmp_reader", f"checker_{bits}bpp.bmp", bmp(13, 5, bits, checker))
    add("bmp_reader", "top_down_8bpp.bmp", bmp(9, 4, 8, lambda x, y: x % 2, top_down=True))
    add("bmp_reader", "grey_palette_4bpp.bmp",
        bmp(6, 3, 4, lambda x, y: x, palette=[(i * 40, i * 40, i * 40) for i in range(6)]))

    add("settings", "assets.qvformat.ini", (ROOT / "assets" / "qvformat.ini").read_bytes())
    add("settings", "groups_and_numbers.ini",
        b"; groups and numbers\r\n[FORMAT]\r\nFontTimes = \"Times New Roman CE\"\r\n"
        b"TulNagySuly=$1F\r\n[format_targycsoport]\r\nCsoportokSzama=0x2\r\n"
        b"[CSOPORT1]\r\nNev=Fegyverek\r\nSzam=150, 311\r\n[CSOPORT2]\r\nNev=\r\nSzam=-1\r\n"
        b"[LETOLTES]\r\nSzerver=example.org\r\n")

    for name in ("item.txt", "spell.txt"):
        add("data_files", "assets." + name, (ROOT / "assets" / name).read_bytes())

    request = b"HTTP/1.0 200 OK\r\nSet-Cookie: GAZUSER=x;\r\n\r\n<html>\r\nsor\r\n</html>"
    add("receive_buffer", "response_lines",
        line_script(request, "line", "line", "line", "line", "line", "all"))
    add("receive_buffer", "line_in_pieces",
        line_script(b"a long li", "line", b"ne in three", "line", b" pieces\n", "line", "all"))
    add("receive_buffer", "terminators",
        line_script(b"key=value;next\n", ("find", ";"), ("take", 4), ("find", "\n"), "line",
                    "clear", b"x\n", "line"))

    add("turn_resolution", "latest",
        b"1234\nutolso\n<a href=\"?m=qv\">Karakter</a>\n"
        b"<a href=\"?in=billent2.php&karakter=QV1234&fordulo=57&nyilvanos=0\">\n")
    add("turn_resolution", "latest_five_digits",
        b"12345\nutolso\nbillent2.php&karakter=QV12345&fordulo=57&nyilvanos\n")
    add("turn_resolution", "bul", b"1234\n58&bul=1\n<b>Hirek</b>\n<b>58. fordulo</b>\n")
    add("turn_resolution", "bul_earlier", b"1234\n58&bul=1\n<b>57. fordulo</b>\n<b>Hirek</b>\n")

    add("response_cut", "turn",
        b"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n"
        b"<TABLE><TR><td>menu</td></TR></TABLE>\r\n<html><title>x</title>\r\nsor\r\n</html>\r\nz")
    add("response_cut", "no_header", b"no header <TABLE><TR>t</TABLE>!rest")

    for target, files in seeds.items():
        folder = CORPUS / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name, data in sorted(files.items()):
            (folder / name).write_bytes(data)
        total = sum(len(d) for d in files.values())
        print(f"{target}: {len(files)} seeds, {total} bytes")


    shutil.rmtree(DICT, ignore_errors=True)
    DICT.mkdir()
    for target, folders in sorted(DICT_SOURCES.items()):
        entries = literals(folders) + [n.encode() for n in EDGE_NUMBERS]
        (DICT / (target + ".dict")).write_text(
            "".join(dictionary_entry(e) + "\n" for e in entries), encoding="ascii")
        print(f"{target}.dict: {len(entries)} entries")


if __name__ == "__main__":
    main()
