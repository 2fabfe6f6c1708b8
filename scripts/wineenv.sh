# Sourced by the run and test scripts: the Wine environment the launcher runs in.
# Creates the 64-bit prefix on first use and (re)applies its settings every time.
repo_root=${repo_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${SKYLARK_WINEPREFIX:-$repo_root/build/wineprefix64}
export WINEARCH=win64
# `wine` is the 64-bit loader (scripts/bin/wine)
case ":$PATH:" in *":$repo_root/scripts/bin:"*) ;; *) export PATH="$repo_root/scripts/bin:$PATH" ;; esac
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8

wine_prefix_ready() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating a 64-bit prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    wineserver -w
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
  # regedit returns once the keys are in the running server, which is all that matters.
  local reg="$WINEPREFIX/skylark.reg"
  python3 "$repo_root/scripts/wine-settings.py" "$reg.new"
  if cmp -s "$reg.new" "$reg"; then
    rm -f "$reg.new"
  elif wine regedit /S "$reg.new" >/dev/null 2>&1; then
    mv "$reg.new" "$reg"
  fi
}
