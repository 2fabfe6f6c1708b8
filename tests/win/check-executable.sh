#!/usr/bin/env bash
# check-executable.sh <objdump> <PE32|PE32+> <exe>: the file is a GUI program of that
# format that imports nothing but DLLs every Windows system has (the runtime is linked in).
set -uo pipefail
objdump=$1 format=$2 exe=$3
headers=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }
status=0
grep -qF "($format)" <<<"$(grep Magic <<<"$headers")" || { echo "$exe: not $format"; status=1; }
grep -q 'Subsystem.*00000002.*(Windows GUI)' <<<"$headers" || { echo "$exe: not a GUI program"; status=1; }
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll gdiplus.dll kernel32.dll msimg32.dll \
msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll version.dll "
dlls=$(sed -n 's/.*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "$exe: no imports found"; status=1; }
for dll in $dlls; do
  case "$system_dlls" in
    *" $dll "*) ;;
    *) echo "$exe imports $dll, which is not a system DLL"; status=1 ;;
  esac
done
[ $status -eq 0 ] && echo "$exe: $format GUI program importing $(echo $dlls)"
exit $status
