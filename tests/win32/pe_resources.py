#!/usr/bin/env python3
"""Prints what Windows shows of a program from its resources, one item a
line:

    version=A.B.C.D            the fixed file version
    product-version=A.B.C.D
    string:KEY=VALUE           each text of the version information
    icon=WxH@BITS              each image of the first icon group
    manifest:NAME=VALUE        each attribute, and each element's text, of
                               the manifest (NAME without its namespace)

    pe_resources.py PROGRAM.exe
"""
import struct
import sys
import xml.etree.ElementTree as ET

RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 14, 16, 24


def resources(pe):
    """{type id: data of its first name and language}."""
    head = struct.unpack_from("<I", pe, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", pe, head + 6)
    optional = head + 24
    dirs = optional + (112 if struct.unpack_from("<H", pe, optional)[0] == 0x20B else 96)
    root_rva = struct.unpack_from("<I", pe, dirs + 2 * 8)[0]
    table = optional + optional_size
    spans = [struct.unpack_from("<8xIIII", pe, table + 40 * i) for i in range(sections)]

    def at(rva):
        for size, va, raw_size, raw in spans:
            if va <= rva < va + max(size, raw_size):
                return raw + rva - va
        raise ValueError(f"RVA {rva:#x} is in no section")

    root = at(root_rva)

    def entries(offset):
        named, ids = struct.unpack_from("<HH", pe, root + offset + 12)
        return [struct.unpack_from("<II", pe, root + offset + 16 + 8 * i) for i in range(named + ids)]

    found = {}
    for type_id, sub in entries(0):
        node = sub
        while node & 0x80000000:  # down the first name and language
            node = entries(node & 0x7FFFFFFF)[0][1]
        rva, size = struct.unpack_from("<II", pe, root + node)
        found[type_id] = pe[at(rva):at(rva) + size]
    return found


def version_blocks(data, offset, end, path, out):
    """VS_VERSIONINFO and its children: length, value length, type, key."""
    while offset + 6 <= end:
        length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
        if length == 0:
            break
        key_end = offset + 6
        while data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[offset + 6:key_end].decode("utf-16-le")
        value = (key_end + 2 + 3) & ~3
        size = value_length * 2 if is_text else value_length
        if key == "VS_VERSION_INFO":
            ms, ls, pms, pls = struct.unpack_from("<4I", data, value + 8)
            out.append(f"version={ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
            out.append(f"product-version={pms >> 16}.{pms & 0xFFFF}.{pls >> 16}.{pls & 0xFFFF}")
        elif "StringFileInfo" in path and is_text and value_length:
            out.append(f"string:{key}=" + data[value:value + size].decode("utf-16-le").rstrip("\0"))
        version_blocks(data, (value + size + 3) & ~3, offset + length, path + [key], out)
        offset = (offset + length + 3) & ~3


def main():
    with open(sys.argv[1], "rb") as f:
        found = resources(f.read())
    out = []
    if RT_VERSION in found:
        data = found[RT_VERSION]
        version_blocks(data, 0, len(data), [], out)
    if RT_GROUP_ICON in found:
        group = found[RT_GROUP_ICON]
        for i in range(struct.unpack_from("<H", group, 4)[0]):
            width, height, _, _, _, bits = struct.unpack_from("<BBBBHH", group, 6 + 14 * i)
            out.append(f"icon={width or 256}x{height or 256}@{bits}")
    if RT_MANIFEST in found:
        for element in ET.fromstring(found[RT_MANIFEST]).iter():
            for name, value in element.attrib.items():
                out.append(f"manifest:{name.split('}')[-1]}={value}")
            if element.text and element.text.strip():
                out.append(f"manifest:{element.tag.split('}')[-1]}={element.text.strip()}")
    print("\n".join(out))


if __name__ == "__main__":
    main()
