#!/usr/bin/env bash
# Installs what building and running the launcher needs on Debian 12, once.
# Idempotent: every step checks first and does nothing when already done.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

need_pkgs=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

# 64-bit Wine for the 64-bit build's tests, on every machine; 32-bit Wine below, only
# where the machine runs 32-bit code (some cannot)
for p in g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 \
         binutils-mingw-w64-x86-64 cmake ninja-build g++ clang \
         libclang-rt-14-dev googletest wine wine64 xvfb xserver-xephyr xauth x11-utils \
         xdotool imagemagick fonts-wqy-microhei fonts-arphic-uming fonts-wine locales \
         python3 clang-format; do
  have "$p" || need_pkgs+=("$p")
done

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if "$here/runs-32bit.sh" >/dev/null; then
  # the players' 32-bit build runs its tests under 32-bit Wine, from Debian's i386 packages
  have wine32:i386 || need_pkgs+=(wine32:i386)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture"
    $SUDO dpkg --add-architecture i386
  fi
fi

if [ ${#need_pkgs[@]} -gt 0 ]; then
  echo "setup: installing ${need_pkgs[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${need_pkgs[@]}" >/dev/null
fi

# Wine needs a compiled glibc locale of this name, or it strips the top bit
# of non-ASCII bytes in command lines and file names.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: compiling the zh_CN.UTF-8 locale"
  $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || true
fi
