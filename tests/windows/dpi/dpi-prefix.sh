#!/bin/sh
# A Wine prefix of its own for one screen DPI, so the tests at that scaling
# run beside the others, which keep theirs at 96.
# Usage: dpi-prefix.sh PREFIX DPI
set -e
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine wineboot >/dev/null 2>&1 </dev/null || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
# The server reads the DPI when it starts: the tests start a fresh one.
wineserver -w
