#!/usr/bin/env python3
"""Writes the registry settings of the launcher's Wine prefix as a .reg file.

- the font faces the launcher's dialogs and pictures name map to the CJK font;
- Wine draws window frames itself (there is no window manager on Xvfb);
- a crash ends the process at once instead of opening the crash dialog.
"""
import sys

CJK = "WenQuanYi Micro Hei"
FACES = ["宋体", "新宋体", "微软雅黑", "SimSun", "NSimSun", "Microsoft YaHei",
         "MS Song", "MS Shell Dlg", "MS Shell Dlg 2", "Tahoma"]

lines = ["Windows Registry Editor Version 5.00", ""]
lines.append(r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]")
lines += [f'"{face}"="{CJK}"' for face in FACES]
lines += ["", r"[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]"]
lines += [f'"{face}"="{CJK}"' for face in FACES]
lines += ["", r"[HKEY_CURRENT_USER\Software\Wine\X11 Driver]", '"Decorated"="N"', '"Managed"="N"']
lines += ["", r"[HKEY_CURRENT_USER\Software\Wine\WineDbg]", '"ShowCrashDialog"=dword:00000000']
lines += ["", r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]", '"Auto"="1"']
text = "\r\n".join(lines) + "\r\n"
with open(sys.argv[1], "wb") as f:
    f.write(b"\xff\xfe" + text.encode("utf-16-le"))
