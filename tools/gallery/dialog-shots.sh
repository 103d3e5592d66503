#!/bin/sh
# Screenshots of tavrek's menus, tool-tips, dialogs and message boxes in each
# language (all shipped ones, or those named: dialog-shots.sh NIHONGO.TXT ...),
# under Wine on a virtual display with a prefix of their own that shows every
# script. Written to build/dialog-shots/<LANGUAGE>/*.png, with a contact sheet
# per language and index.html.
set -e
. "$(dirname "$0")/../wine-session.sh"
cmake --preset windows >/dev/null
cmake --build build/windows --target tavrek -j2 >/dev/null
export WINEPREFIX="$(pwd)/build/dialog-shots-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
start_virtual_display
start_wine
"$(dirname "$0")/../wine-cjk-fonts.sh"
status=0
"$(dirname "$0")/dialogs.py" build/windows/shell/tavrek.exe data build/dialog-shots "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
kill "$xvfb" 2>/dev/null || true
exit $status
