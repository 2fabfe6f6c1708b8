#!/usr/bin/env bash
# Builds the launcher and the demo game (the 64-bit build, which 64-bit Wine runs
# natively), lays out an install folder in build/install and starts the launcher
# there under Wine: on your display if there is one, else on a virtual display, of
# which it saves a screenshot once the launcher's window shows.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh"
source "$repo_root/scripts/build.sh"
source "$repo_root/scripts/virtual-display.sh"

build_windows_tests --target Skylark Orbavel
install_dir="$repo_root/build/install"
rm -rf "$install_dir" && mkdir -p "$install_dir"
cp "$repo_root/build/win64/src/app/Skylark.exe" "$install_dir/"
cp "$repo_root/build/win64/demo/Orbavel.exe" "$install_dir/"
python3 "$repo_root/demo/make-skin.py" "$install_dir"
echo "install folder: $install_dir"

source "$repo_root/scripts/wineenv.sh"
cd "$install_dir"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine_prefix_ready
  exec wine Skylark.exe "$@"
fi

start_virtual_display
trap 'wineserver -k 2>/dev/null || true; stop_virtual_display' EXIT
trap 'exit 130' INT TERM
echo "no display: running on the virtual display $DISPLAY"
wine_prefix_ready
wine Skylark.exe "$@" &
launcher=$!
# the launcher's window, painted: its title, then a moment for the first paint
window=""
for _ in $(seq 1 600); do
  window=$(xdotool search --onlyvisible --name '^Orbavel' 2>/dev/null | head -1) && [ -n "$window" ] && break
  kill -0 "$launcher" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  if kill -0 "$launcher" 2>/dev/null; then
    echo "run: the launcher's window did not appear within 60 s" >&2
  else
    wait "$launcher" && status=0 || status=$?
    echo "run: the launcher ended (exit code $status) without showing its window" >&2
  fi
  exit 1
fi
sleep 1
shot="$repo_root/build/screenshot.png"
import -window root "$shot"
echo "screenshot of the launcher: $shot"
echo "the launcher runs until it is closed; press Ctrl+C to stop it"
wait "$launcher"
