#!/usr/bin/env bash
# CMake's emulator: wine-run.sh <32|64> <exe> [arguments]: runs a Windows program
# under Wine in the launcher's prefix of that architecture.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export SKYLARK_WINE_ARCH=$1
shift
source "$repo_root/scripts/wineenv.sh"
exec wine "$@"
