#!/usr/bin/env python3
"""Reads the addresses of a launcher log or crash record back to source lines.

usage: scripts/crash-lines.py SYMBOLS [LOG]

SYMBOLS is the program's symbol file: Skylark-<version>-win32.debug from beside the
release archives, or a program that keeps its own symbols. LOG is a log or a crash
record pasted from one, read from standard input when it is not named.

Every line is printed as it is. Below each line that names an address in a program
("Skylark.exe+0x1a2b") come the function, source file and line, with the functions
inlined there, as the cross toolchain's addr2line reads them from the symbols; the
toolchain (32 or 64 bits) and the image's base are read from the symbol file.
Addresses in system libraries are left as they are.
"""

import os
import re
import struct
import subprocess
import sys

ADDRESS = re.compile(r"([^\s\\/:]+\.exe)\+0x([0-9a-fA-F]+)", re.IGNORECASE)
TOOLS = {0x14C: "i686-w64-mingw32-addr2line", 0x8664: "x86_64-w64-mingw32-addr2line"}


def image(symbols):
    """The addr2line of the file's processor and the base its addresses count from."""
    with open(symbols, "rb") as f:
        data = f.read(4096)
    pe = struct.unpack_from("<I", data, 0x3C)[0] if len(data) >= 0x40 else 0
    if data[:2] != b"MZ" or data[pe:pe + 4] != b"PE\0\0":
        sys.exit("crash-lines: %s is not a Windows program or symbol file" % symbols)
    machine = struct.unpack_from("<H", data, pe + 4)[0]
    optional = pe + 24
    if struct.unpack_from("<H", data, optional)[0] == 0x20B:  # PE32+
        base = struct.unpack_from("<Q", data, optional + 24)[0]
    else:
        base = struct.unpack_from("<I", data, optional + 28)[0]
    if machine not in TOOLS:
        sys.exit("crash-lines: %s is for processor 0x%x" % (symbols, machine))
    return TOOLS[machine], base


def main(argv):
    if len(argv) not in (2, 3):
        sys.exit(__doc__.strip().splitlines()[2])
    symbols = argv[1]
    tool, base = image(symbols)
    with (open(argv[2], encoding="utf-8-sig", errors="replace") if len(argv) == 3
          else sys.stdin) as f:
        lines = f.read().splitlines()

    addresses = {}  # line index -> address in the image
    for i, line in enumerate(lines):
        match = ADDRESS.search(line)
        if match:
            offset = int(match.group(2), 16)
            # a caller's address is where its call returns to: the call is just before
            if "called from" in line:
                offset -= 1
            addresses[i] = base + offset
    places = {}
    if addresses:  # addr2line speaks English here whatever the locale
        out = subprocess.run([tool, "-a", "-p", "-f", "-C", "-i", "-e", symbols] +
                             ["0x%x" % a for a in addresses.values()],
                             check=True, capture_output=True, text=True,
                             env=dict(os.environ, LC_ALL="C", LANGUAGE="C")).stdout
        # each address starts a block "0x...: function at file:line", then its inlines
        blocks = re.split(r"^0x[0-9a-f]+: ", out, flags=re.MULTILINE)[1:]
        places = dict(zip(addresses.keys(), blocks))
    for i, line in enumerate(lines):
        print(line)
        for place in places.get(i, "").splitlines():
            print("    " + place.strip())


if __name__ == "__main__":
    main(sys.argv)
