#!/usr/bin/env python3
"""Checks the two release archives and lays out what a player gets.

Usage: check-release.py <packages dir> <version> <platform> <out dir>

The player archive must hold the launcher, the skin and the sample site list
under Platform/ and a GBK read-me; the demo archive the demo game and its
description. Then the player archive is unpacked into a fresh <out dir>/game
and the demo game from its own archive placed beside it, for the end-to-end
test that starts it.
"""

import os
import shutil
import sys
import zipfile


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


def check_demo(archive):
    names = set(archive.namelist())
    expect("Orbavel.exe" in names, "the demo archive lacks Orbavel.exe")
    description = archive.read("README.md").decode("utf-8")
    for needle in ("QOVEXPLATFORM", "WM_COPYDATA", "OrbavelDemo.ini"):
        expect(needle in description, "the demo description does not mention " + needle)


def main():
    packages, version, platform, out = sys.argv[1:5]
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
    print("release: both archives checked; the player's folder is " + game)


if __name__ == "__main__":
    main()
