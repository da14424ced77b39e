#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own Wine prefix, which
# is created on first use, with the screen resolution KESTRIN_WINE_DPI if
# that is set. The caller provides the X display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${KESTRIN_WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all
# No installer dialog for .NET or a browser engine, which nothing here needs.
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    # Wine draws the window frames itself, so that a screenshot taken on a
    # display without a window manager shows the title bar.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    if [ -n "${KESTRIN_WINE_DPI:-}" ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$KESTRIN_WINE_DPI" /f >/dev/null 2>&1
    fi
    wineserver -w
  fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
