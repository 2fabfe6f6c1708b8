#!/usr/bin/env bash
# Builds the 64-bit Windows tree and runs the screen capture benchmark under Wine on a
# virtual display of its own. Prints its figures; it is not a test.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$repo_root/scripts/build.sh"
source "$repo_root/scripts/virtual-display.sh"
build_windows_tests --target bench_capture >/dev/null
source "$repo_root/scripts/wineenv.sh"
start_virtual_display
trap 'wineserver -k 2>/dev/null || true; stop_virtual_display' EXIT
wine_prefix_ready
wine_warm_server  # one warm server for every program, as in the tests
wine "$repo_root/build/win64/bench/win/bench_capture.exe"
