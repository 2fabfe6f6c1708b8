# Sourced by the run and test scripts: the Wine environment the launcher runs in.
# wine_use 64 (the default, or SKYLARK_WINE_ARCH) chooses the 64-bit prefix
# build/wineprefix64, wine_use 32 the 32-bit one, build/wineprefix32, for the players'
# 32-bit build; wine_prefix_ready creates the chosen prefix on first use and
# (re)applies its settings every time.
repo_root=${repo_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
# `wine` is the loader of the prefix's architecture (scripts/bin/wine)
case ":$PATH:" in *":$repo_root/scripts/bin:"*) ;; *) export PATH="$repo_root/scripts/bin:$PATH" ;; esac
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8

wine_use() {
  if [ "$1" = 32 ]; then
    export WINEPREFIX=${SKYLARK_WINEPREFIX32:-$repo_root/build/wineprefix32}
    export WINEARCH=win32
  else
    export WINEPREFIX=${SKYLARK_WINEPREFIX:-$repo_root/build/wineprefix64}
    export WINEARCH=win64
  fi
}
wine_use "${SKYLARK_WINE_ARCH:-64}"

# Run with the display the programs will use: a Wine server started without one has
# no display driver, and every window of its later programs fails. So that none
# outlives the set-up, a server left from before (whose display may be gone) is
# ended first, and the one that did the set-up is awaited.
wine_prefix_ready() {
  local ran=""
  if [ -z "${DISPLAY:-}" ]; then
    echo "wine: no display to set the prefix up with: start the virtual display first" >&2
    return 1
  fi
  wineserver -k >/dev/null 2>&1 || true
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating a ${WINEARCH#win}-bit prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # through our loader: Debian's wineboot takes the 32-bit one wherever it is installed
    WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot.exe -i >/dev/null 2>&1
    ran=1
  fi
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  # a Song face with the dialog metrics of Windows' own, and a sans face
  local cjk
  for cjk in /usr/share/fonts/truetype/arphic/uming.ttc \
             /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
    [ -f "$fonts/$(basename "$cjk")" ] || cp "$cjk" "$fonts/"
  done
  # Wine does not look for its own fonts where Debian puts them: without Marlett
  # the caption buttons show as letters
  local marlett=/usr/share/wine/fonts/marlett.ttf
  [ -f "$fonts/marlett.ttf" ] || [ ! -f "$marlett" ] || cp "$marlett" "$fonts/"
  # skylark.reg holds the settings last applied: settings that differ from them in
  # any way, older or newer, are applied, also to a prefix made before they changed.
  local reg="$WINEPREFIX/skylark.reg"
  python3 "$repo_root/scripts/wine-settings.py" "$reg.new"
  if cmp -s "$reg.new" "$reg"; then
    rm -f "$reg.new"
  else
    ran=1
    if wine regedit /S "$reg.new" >/dev/null 2>&1; then mv "$reg.new" "$reg"; fi
  fi
  [ -z "$ran" ] || wineserver -w
}

# One server for the programs to come, so that each starts in a fraction of a second.
# Wine's own background processes start with the first program and live as long as
# the server: started here, they do not hold a later program's output open.
wine_warm_server() {
  wineserver -p
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
}
