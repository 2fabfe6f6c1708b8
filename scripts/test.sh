#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests and fuzzers, then
# the Windows tests and end-to-end tests under Wine on a virtual display.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh"
source "$repo_root/scripts/build.sh"
source "$repo_root/scripts/virtual-display.sh"

echo "== native build and unit tests"
build_native
ctest --test-dir "$repo_root/build/native" --output-on-failure -j2

echo "== Windows builds: the players' 32-bit programs, the 64-bit ones the tests run"
build_windows
build_windows_tests

echo "== the players' programs and archives, read without running them"
ctest --test-dir "$repo_root/build/win" --output-on-failure

echo "== Windows tests under Wine"
source "$repo_root/scripts/wineenv.sh"
wine_prefix_ready
start_virtual_display
cleanup() {
  wineserver -k 2>/dev/null || true
  stop_virtual_display
}
trap cleanup EXIT
# one server for the whole run, so that each program starts in a fraction of a second
# (first let the server that set the prefix up finish)
wineserver -w
wineserver -p
# Wine's own background processes start with the first program and live as long as
# the server: start them here, so that they do not hold a test's output open.
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
ctest --test-dir "$repo_root/build/win64" --output-on-failure
