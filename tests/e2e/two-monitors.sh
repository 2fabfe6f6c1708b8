#!/usr/bin/env bash
# CMake's emulator for the two-monitor test, two-monitors.sh <32|64> <exe> [arguments]:
# runs the Windows test program under Wine on a nested X server of its own, inside the
# test display, with two screens side by side joined by Xinerama and without RandR,
# which Wine takes as two monitors.
# Wine reads the monitors once per server, in the process that draws its desktop:
# the program runs in a Wine server of its own, on a linked copy of the prefix.
# Without Xephyr it runs on the plain display, and its tests skip, saying why.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
run="$here/../../scripts/wine-run.sh"
case " $* " in *" --gtest_list_tests "*) exec "$run" "$@" ;; esac
if ! command -v Xephyr >/dev/null 2>&1; then
  export SKYLARK_NO_SECOND_MONITOR="Xephyr is not installed (Debian: xserver-xephyr)"
  exec "$run" "$@"
fi
repo_root=$(cd "$here/../.." && pwd)
export SKYLARK_WINE_ARCH=$1  # the prefix of the program's width
source "$repo_root/scripts/wineenv.sh"
# Linked, not copied: the server writes its registry files anew rather than in place,
# and the test makes its own files in folders of its own.
prefix="$WINEPREFIX.two-monitors"
rm -rf "$prefix"
cp -al "$WINEPREFIX" "$prefix"
n=190
while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
Xephyr ":$n" -screen 1280x1024 -screen 1024x768 +xinerama -extension RANDR -nolisten tcp \
  >/dev/null 2>&1 &
xephyr=$!
cleanup() {
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null
  kill "$xephyr" 2>/dev/null
  wait "$xephyr" 2>/dev/null
  rm -rf "$prefix"
}
trap cleanup EXIT
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X${n}" ] && break
  sleep 0.1
done
export SKYLARK_WINEPREFIX="$prefix" SKYLARK_WINEPREFIX32="$prefix"
DISPLAY=":$n" "$run" "$@"
