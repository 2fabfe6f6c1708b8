#!/usr/bin/env bash
# Builds everything and runs every test, tier by tier: the native unit tests and
# fuzzers; the 64-bit Windows and end-to-end tests under 64-bit Wine on a virtual
# display; the players' 32-bit build, read without running it and, where this machine
# runs 32-bit code, its Windows and end-to-end tests under 32-bit Wine; the README's
# run command on a fresh prefix. It ends with which tiers ran.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh"
source "$repo_root/scripts/build.sh"
source "$repo_root/scripts/virtual-display.sh"
source "$repo_root/scripts/wineenv.sh"

tiers=()
started=$SECONDS
finish() {
  local status=$?
  local bits
  for bits in 64 32; do
    (wine_use $bits && [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null) || true
  done
  stop_virtual_display
  echo "== summary ($((SECONDS - started)) s in all)"
  printf '  %s\n' "${tiers[@]}"
  [ $status -eq 0 ] || echo "  FAILED: the tier after the last one above"
}
trap finish EXIT

# run_tier <name> <ctest arguments>: one tier of tests, with its count and time noted
run_tier() {
  local name=$1 begun=$SECONDS out
  shift
  out=$(mktemp)
  ctest "$@" --output-on-failure 2>&1 | tee "$out"
  tiers+=("$name: $(grep -E 'tests passed' "$out" | tail -1) ($((SECONDS - begun)) s)")
  rm -f "$out"
}

if reason32=$("$repo_root/scripts/runs-32bit.sh"); then
  export SKYLARK_WINE_TESTS32=ON
else
  export SKYLARK_WINE_TESTS32=OFF
fi

echo "== native build and unit tests"
build_native
run_tier "native unit tests and fuzzers" --test-dir "$repo_root/build/native" -j2

echo "== Windows builds: the players' 32-bit programs and every test program, the 64-bit ones"
build_windows
build_windows_tests

if [ "$SKYLARK_WINE_TESTS32" = OFF ]; then
  echo "== the players' programs and archives, read without running them"
  run_tier "32-bit build, read without running it" --test-dir "$repo_root/build/win"
fi

start_virtual_display
echo "== Windows and end-to-end tests of the 64-bit build under 64-bit Wine"
wine_use 64
wine_prefix_ready
wine_warm_server
run_tier "64-bit build under 64-bit Wine" --test-dir "$repo_root/build/win64"

if [ "$SKYLARK_WINE_TESTS32" = ON ]; then
  echo "== the players' 32-bit build: its programs and archives, and its Windows and" \
    "end-to-end tests under 32-bit Wine"
  wine_use 32
  wine_prefix_ready
  wine_warm_server
  run_tier "32-bit build, read and under 32-bit Wine" --test-dir "$repo_root/build/win"
else
  echo "== 32-bit tier skipped: $reason32"
  tiers+=("32-bit build under 32-bit Wine: skipped, $reason32")
fi

echo "== the README's run command on a fresh machine's prefix"
wine_use 64
"$repo_root/tests/e2e/run-command.sh"
tiers+=("the run command on a fresh prefix: passed")
