# Shared by the scripts that run Windows programs under Wine. Source it.

WINE=${WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# Creates the prefix once (under a lock, so parallel tests don't initialise it
# together) and lets Wine draw window frames itself: without a window manager
# it then hands keyboard focus to its windows and closes them at once.
wine_prepare_prefix() {
  local prefix=$1
  [ -f "$prefix/.tx3-ready" ] && return 0
  mkdir -p "$prefix"
  (
    flock 9
    [ -f "$prefix/.tx3-ready" ] && exit 0
    WINEPREFIX=$prefix "$WINE" wineboot -i >/dev/null 2>&1 </dev/null || exit 1
    WINEPREFIX=$prefix "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
      >/dev/null 2>&1 </dev/null || exit 1
    WINEPREFIX=$prefix wineserver -w
    touch "$prefix/.tx3-ready"
  ) 9>"$prefix.lock"
}

wine_stop_prefix() {
  WINEPREFIX=$1 wineserver -k >/dev/null 2>&1 || true
}

# wine_set_dpi PREFIX DPI: the display scale the prefix's programs see, as
# the display settings set it (96 is 100 %); it takes effect once the
# prefix's server has ended, which this waits for.
wine_set_dpi() {
  WINEPREFIX=$1 "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$2" /f >/dev/null 2>&1 </dev/null || return 1
  WINEPREFIX=$1 wineserver -w
}
