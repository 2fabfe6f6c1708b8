#!/usr/bin/env bash
# Runs a Windows executable under Wine in the launcher's prefix (CMake's emulator).
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$repo_root/scripts/wineenv.sh"
exec wine "$@"
