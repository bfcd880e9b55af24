#!/usr/bin/python3
"""Drop the preview thumbnail from a PowerPoint 97 file, in place.

LibreOffice always stores a 512x384 uncompressed 24-bit preview of the first
slide in the SummaryInformation stream of an exported .ppt (about 580 KB),
which would make every small course deck half a megabyte. The thumbnail is an
optional property; this removes it and rewrites the compound file so that
the freed space really goes away. All other streams are copied unchanged.

Usage: ppt_nothumb.py FILE.ppt ...
Needs python3-olefile for reading.
"""
import struct
import sys
import uuid

import olefile

SECTOR = 512
MINI = 64
CUTOFF = 4096
FREESECT, ENDOFCHAIN, FATSECT = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD
NOSTREAM = 0xFFFFFFFF
PID_THUMBNAIL = 17
SUMMARY = "\x05SummaryInformation"


def drop_property(data, pid):
    """Return a property set stream without property `pid` in its first section."""
    (sec_off,) = struct.unpack_from("<I", data, 44)
    size, count = struct.unpack_from("<II", data, sec_off)
    entries = [struct.unpack_from("<II", data, sec_off + 8 + 8 * i) for i in range(count)]
    # values lie back to back; each ends where the next one (in offset order) begins
    ends = sorted(o for _, o in entries) + [size]
    values = []
    for p, o in entries:
        if p == pid:
            continue
        end = min(e for e in ends if e > o)
        values.append((p, data[sec_off + o:sec_off + end]))
    head = 8 + 8 * len(values)
    table, body, pos = b"", b"", head
    for p, v in values:
        table += struct.pack("<II", p, pos)
        body += v
        pos += len(v)
    section = struct.pack("<II", pos, len(values)) + table + body
    return data[:sec_off] + section + data[sec_off + size:]


def name_key(name):
    # the compound file orders siblings by name length, then by upper-cased name
    return (len(name), name.upper())


class Node:
    def __init__(self, name, kind, data=b"", clsid=b"\0" * 16):
        self.name, self.kind, self.data, self.clsid = name, kind, data, clsid
        self.children = []
        self.index = None
        self.left = self.right = self.child = NOSTREAM
        self.color = 1  # black
        self.start = ENDOFCHAIN


def tree(nodes, depth, deepest):
    """Link sorted siblings into a balanced search tree; return the root index.

    Nodes on the deepest level are red, which keeps the black height equal on
    every path, so the result is a valid red-black tree as the format asks.
    """
    if not nodes:
        return NOSTREAM
    mid = len(nodes) // 2
    n = nodes[mid]
    n.left = tree(nodes[:mid], depth + 1, deepest)
    n.right = tree(nodes[mid + 1:], depth + 1, deepest)
    n.color = 0 if depth == deepest and depth > 0 else 1
    return n.index


def levels(count):
    d = 0
    while (1 << (d + 1)) - 1 < count:
        d += 1
    return d


def guid(text):
    # olefile shows a CLSID as text; on disk it is stored in GUID byte order
    return uuid.UUID(text).bytes_le if text else b"\0" * 16


def read(path):
    ole = olefile.OleFileIO(path)
    root = Node("Root Entry", 5, clsid=guid(ole.root.clsid))
    storages = {(): root}
    for entry in sorted(ole.listdir(streams=True, storages=True), key=len):
        parent = storages[tuple(entry[:-1])]
        name = entry[-1]
        full = "/".join(entry)
        if ole.get_type(full) == olefile.STGTY_STORAGE:
            clsid = ole.getclsid(full)
            node = Node(name, 1, clsid=guid(clsid))
            storages[tuple(entry)] = node
        else:
            node = Node(name, 2, ole.openstream(full).read())
        parent.children.append(node)
    ole.close()
    return root


def write(root, path):
    order = []

    def walk(n):
        n.index = len(order)
        order.append(n)
        for c in n.children:
            walk(c)

    walk(root)
    for n in order:
        kids = sorted(n.children, key=lambda c: name_key(c.name))
        n.child = tree(kids, 0, levels(len(kids))) if kids else NOSTREAM
        if kids and len(kids) == (1 << (levels(len(kids)) + 1)) - 1:
            for k in kids:  # a full tree needs no red nodes
                k.color = 1

    streams = [n for n in order if n.kind == 2]
    small = [n for n in streams if len(n.data) < CUTOFF]
    big = [n for n in streams if len(n.data) >= CUTOFF]

    # mini stream: small streams in 64-byte mini sectors
    minifat, ministream = [], bytearray()
    for n in small:
        if not n.data:
            n.start = ENDOFCHAIN
            continue
        k = -(-len(n.data) // MINI)
        n.start = len(minifat)
        minifat += [len(minifat) + i + 1 for i in range(k - 1)] + [ENDOFCHAIN]
        ministream += n.data + b"\0" * (k * MINI - len(n.data))

    def nsec(b):
        return -(-b // SECTOR)

    dir_bytes = 128 * len(order)
    n_dir = nsec(dir_bytes)
    n_minifat = nsec(4 * len(minifat))
    n_mini = nsec(len(ministream))
    n_big = sum(nsec(len(n.data)) for n in big)
    payload = n_dir + n_minifat + n_mini + n_big
    n_fat = 1
    while n_fat * (SECTOR // 4) < payload + n_fat:
        n_fat += 1
    if n_fat > 109:
        sys.exit("file too large for this simple writer")

    fat = [FATSECT] * n_fat
    chains = []

    def alloc(k):
        if k == 0:
            return ENDOFCHAIN
        s = len(fat)
        fat.extend(s + i + 1 for i in range(k - 1))
        fat.append(ENDOFCHAIN)
        return s

    dir_start = alloc(n_dir)
    minifat_start = alloc(n_minifat)
    root.start = alloc(n_mini)
    for n in big:
        n.start = alloc(nsec(len(n.data)))
    fat += [FREESECT] * (n_fat * (SECTOR // 4) - len(fat))

    def entry(n):
        name = n.name.encode("utf-16-le") + b"\0\0"
        size = len(ministream) if n.kind == 5 else len(n.data)
        return struct.pack("<64sHBBIII16sI8s8sIII", name, len(name), n.kind, n.color,
                           n.left, n.right, n.child, n.clsid, 0, b"\0" * 8, b"\0" * 8,
                           n.start if (size or n.kind == 5) else (0 if n.kind == 1 else ENDOFCHAIN), size, 0)

    directory = b"".join(entry(n) for n in order)
    free = struct.pack("<64sHBBIII16sI8s8sIII", b"", 0, 0, 0, NOSTREAM, NOSTREAM, NOSTREAM,
                       b"\0" * 16, 0, b"\0" * 8, b"\0" * 8, 0, 0, 0)
    directory += free * ((n_dir * SECTOR - len(directory)) // 128)

    difat = list(range(n_fat)) + [FREESECT] * (109 - n_fat)
    header = struct.pack("<8s16sHHHHH6sIIIIIIIII", bytes.fromhex("D0CF11E0A1B11AE1"), b"\0" * 16,
                         0x3E, 3, 0xFFFE, 9, 6, b"\0" * 6, 0, n_fat, dir_start, 0, CUTOFF,
                         minifat_start if n_minifat else ENDOFCHAIN, n_minifat, ENDOFCHAIN, 0)
    header += struct.pack("<109I", *difat)

    def pad(b):
        return b + b"\0" * (nsec(len(b)) * SECTOR - len(b))

    mf = struct.pack(f"<{len(minifat)}I", *minifat)
    mf += struct.pack("<I", FREESECT) * ((n_minifat * SECTOR - len(mf)) // 4)
    out = [header, struct.pack(f"<{len(fat)}I", *fat), directory, mf, pad(bytes(ministream))]
    out += [pad(n.data) for n in big]
    with open(path, "wb") as f:
        f.write(b"".join(out))


def main(paths):
    for path in paths:
        root = read(path)
        for n in root.children:
            if n.name == SUMMARY:
                n.data = drop_property(n.data, PID_THUMBNAIL)
        write(root, path)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1:])
