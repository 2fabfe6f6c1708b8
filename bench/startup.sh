#!/usr/bin/env bash
# Start-up, memory and idle figures of the launcher against a minimal window
# program, under Wine on a virtual display. Prints figures; it is not a test.
# usage: bench/startup.sh [runs]   (9 by default)
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh"
source "$repo_root/scripts/build.sh"
source "$repo_root/scripts/virtual-display.sh"
build_windows_tests --target Skylark Orbavel bench_startup bench_baseline bench_baseline_dlls >/dev/null

folder="$repo_root/build/bench-startup"
rm -rf "$folder" && mkdir -p "$folder"
win="$repo_root/build/win64"
cp "$win/src/app/Skylark.exe" "$win/demo/Orbavel.exe" "$win/bench/win/bench_startup.exe" \
   "$win/bench/win/bench_baseline.exe" "$win/bench/win/bench_baseline_dlls.exe" "$folder/"
python3 "$repo_root/demo/make-skin.py" "$folder"

source "$repo_root/scripts/wineenv.sh"
start_virtual_display
trap 'wineserver -k 2>/dev/null || true; stop_virtual_display' EXIT
wine_prefix_ready
wine_warm_server  # one warm server for every program, as in the tests
wine "$folder/bench_startup.exe" "$(wine winepath.exe -w "$folder" 2>/dev/null)" "${1:-9}"

# Processor time of the launcher while it idles, read from the process Wine runs it
# in: Wine reports no processor times of other processes.
idle_percent() {  # <game settings> <seconds to settle>
  printf '%b' "$1" >"$folder/OrbavelDemo.ini"
  (cd "$folder" && exec wine Skylark.exe) >/dev/null 2>&1 &
  local pid=$! ticks=$(getconf CLK_TCK) sample=20
  sleep "$2"
  local t0 t1
  t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$sample"
  t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  wine "$folder/bench_startup.exe" --end-games
  awk -v d=$((t1 - t0)) -v hz="$ticks" -v s="$sample" 'BEGIN {printf "%.2f", 100 * d / hz / s}'
}
loading=$(idle_percent '[demo]\r\nnever_ready=1\r\n' 3)
ready=$(idle_percent '[demo]\r\nready_delay_ms=200\r\n' 4)
echo "launcher, % of a core over 20 s: during the loading animation $loading (target <= 0.5), after ready $ready (target about 0)"
