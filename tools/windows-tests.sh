#!/bin/sh
# Runs the cross-built test suite under Wine on a virtual display. One Wine
# prefix and one persistent wineserver serve the whole run, so each test
# process starts in milliseconds instead of seconds.
set -e
build=${1:-build/windows}
export WINEPREFIX="$(pwd)/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
. "$(dirname "$0")/wine-session.sh"
xvfb=""
[ -z "$DISPLAY" ] && start_virtual_display
start_wine
status=0
ctest --test-dir "$build" --output-on-failure -j2 || status=$?
wineserver -k >/dev/null 2>&1 || true
if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
exit $status
