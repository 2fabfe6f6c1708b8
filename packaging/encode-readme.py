#!/usr/bin/env python3
"""Writes the players' read-me as Windows Notepad of the target systems reads it.

Usage: encode-readme.py <source, UTF-8> <output> <version>

The output is GBK (code page 936) with CR LF line ends; @SKYLARK_VERSION@ becomes
the version.
"""

import sys


def main():
    source, output, version = sys.argv[1:4]
    with open(source, encoding="utf-8") as f:
        text = f.read().replace("@SKYLARK_VERSION@", version)
    with open(output, "w", encoding="gbk", newline="\r\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
