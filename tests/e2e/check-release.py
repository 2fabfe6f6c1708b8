#!/usr/bin/env python3
"""Checks the two release archives and lays out what a player gets.

Usage: check-release.py <packages dir> <version> <platform> <out dir> <objdump>

The player archive must hold the launcher (a GUI program of the platform's format
importing system DLLs only, within its size budget, stripped and naming its symbol
file beside the archives), the skin and the sample site list under Platform/ and a
GBK read-me; the demo archive the demo game and its description. Then the
player archive is unpacked into a fresh <out dir>/game and the demo game from
its own archive placed beside it, for the end-to-end test that starts it.
"""

import os
import shutil
import struct
import subprocess
import sys
import zipfile
import zlib

# What the players' launcher may weigh. A change that needs more raises the budget in
# the same commit and says why.
SIZE_BUDGET = {"win32": 500 * 1024}
PE_FORMAT = {"win32": "PE32", "win64": "PE32+"}
CHECK_EXECUTABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "win",
                                "check-executable.sh")


def fail(message):
    print("release: " + message)
    sys.exit(1)


def expect(condition, message):
    if not condition:
        fail(message)


def check_player(archive):
    names = set(archive.namelist())
    for name in ("Skylark.exe", "ReadMe.txt", "Platform/Config.ini",
                 "Platform/WorkspaceHead.bmp", "Platform/PlayGameBackground.jpg",
                 "Platform/LoadingAni.png"):
        expect(name in names, "the player archive lacks " + name)
    expect("Orbavel.exe" not in names, "the player archive carries the game")
    readme = archive.read("ReadMe.txt")
    try:
        readme.decode("utf-8")
        fail("the read-me is UTF-8, not GBK")
    except UnicodeDecodeError:
        pass
    text = readme.decode("gbk")
    for needle in ("Orbavel.exe", "Ctrl+Alt+A", "Ctrl+S", "Skylark.exe", "截图", "Platform\\Config.ini"):
        expect(needle in text, "the read-me does not mention " + needle)
    expect("\r\n" in text and "\n" not in text.replace("\r\n", ""), "the read-me's lines end in LF")


def section_names(objdump, path):
    listing = subprocess.run([objdump, "-h", path], check=True, capture_output=True,
                             text=True).stdout
    return [line.split()[1] for line in listing.splitlines()
            if line.strip()[:1].isdigit() and len(line.split()) > 1]


def check_symbols(exe, symbols_path, objdump):
    """The launcher carries no symbols of its own and names the file that holds them,
    with that file's CRC, as debuggers look it up."""
    expect(os.path.isfile(symbols_path), "no symbol file " + symbols_path)
    with open(exe, "rb") as f:
        data = f.read()
    names = section_names(objdump, exe)
    expect(not any(n.startswith(".debug") for n in names), "the player's launcher is not stripped")
    expect(".gnu_debuglink" in names, "the player's launcher names no symbol file")
    link = os.path.basename(symbols_path).encode() + b"\0"
    at = data.find(link)
    expect(at >= 0, "the player's launcher names another symbol file")
    with open(symbols_path, "rb") as f:
        crc = zlib.crc32(f.read())
    expect(struct.unpack_from("<I", data, (at + len(link) + 3) & ~3)[0] == crc,
           "the symbol file is not the launcher's")
    expect(".debug_info" in section_names(objdump, symbols_path), "the symbol file is empty")


def check_executable(exe, platform, objdump):
    """What players run: its format, its subsystem, its imports and its size."""
    result = subprocess.run([CHECK_EXECUTABLE, objdump, PE_FORMAT[platform], exe],
                            capture_output=True, text=True)
    expect(result.returncode == 0, "the player's launcher: " + result.stdout.strip())
    size = os.path.getsize(exe)
    budget = SIZE_BUDGET.get(platform)
    expect(budget is None or size <= budget,
           "the player's launcher is %d bytes, over its budget of %d (%.0f KiB)"
           % (size, budget or 0, (budget or 0) / 1024.0))
    return size, budget


def check_demo(archive):
    names = set(archive.namelist())
    expect("Orbavel.exe" in names, "the demo archive lacks Orbavel.exe")
    description = archive.read("README.md").decode("utf-8")
    for needle in ("QOVEXPLATFORM", "WM_COPYDATA", "OrbavelDemo.ini"):
        expect(needle in description, "the demo description does not mention " + needle)


def main():
    packages, version, platform, out, objdump = sys.argv[1:6]
    player_zip = os.path.join(packages, "Skylark-%s-%s.zip" % (version, platform))
    demo_zip = os.path.join(packages, "Skylark-%s-demo-game.zip" % version)
    expect(os.path.isfile(player_zip), "no " + player_zip)
    expect(os.path.isfile(demo_zip), "no " + demo_zip)

    game = os.path.join(out, "game")
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(game)
    with zipfile.ZipFile(player_zip) as archive:
        check_player(archive)
        archive.extractall(game)
    with zipfile.ZipFile(demo_zip) as archive:
        check_demo(archive)
        archive.extract("Orbavel.exe", game)
    exe = os.path.join(game, "Skylark.exe")
    check_symbols(exe, os.path.join(packages, "Skylark-%s-%s.debug" % (version, platform)), objdump)
    size, budget = check_executable(exe, platform, objdump)
    print("release: both archives checked; Skylark.exe is %d bytes (%.0f KiB%s); the player's "
          "folder is %s" % (size, size / 1024.0,
                            ", budget %.0f KiB" % (budget / 1024.0) if budget else "", game))


if __name__ == "__main__":
    main()
