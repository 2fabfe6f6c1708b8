#!/usr/bin/env python3
"""Writes the registry settings of the launcher's Wine prefix as a .reg file.

- the font faces the launcher's dialogs and pictures name map to CJK fonts: the
  Song faces of every dialog template to a Song face whose metrics are those of
  Windows (dialog base units 6 x 13 at 9 pt, against 7 x 14 for the sans face),
  so that dialogs come out their Windows size; the sans faces to a sans face;
- Wine draws window frames itself (there is no window manager on Xvfb);
- a crash ends the process at once instead of opening the crash dialog.
"""
import sys

SONG = "AR PL UMing CN"
SANS = "WenQuanYi Micro Hei"
FACES = {face: SONG for face in ["宋体", "新宋体", "SimSun", "NSimSun", "MS Song"]}
FACES.update({face: SANS for face in ["微软雅黑", "Microsoft YaHei", "MS Shell Dlg",
                                      "MS Shell Dlg 2", "Tahoma"]})

lines = ["Windows Registry Editor Version 5.00", ""]
lines.append(r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]")
lines += [f'"{face}"="{font}"' for face, font in FACES.items()]
lines += ["", r"[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]"]
lines += [f'"{face}"="{font}"' for face, font in FACES.items()]
lines += ["", r"[HKEY_CURRENT_USER\Software\Wine\X11 Driver]", '"Decorated"="N"', '"Managed"="N"']
lines += ["", r"[HKEY_CURRENT_USER\Software\Wine\WineDbg]", '"ShowCrashDialog"=dword:00000000']
lines += ["", r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]", '"Auto"="1"']
text = "\r\n".join(lines) + "\r\n"
with open(sys.argv[1], "wb") as f:
    f.write(b"\xff\xfe" + text.encode("utf-16-le"))
