#!/bin/sh
# Runs the cross-built test suite under Wine on a virtual display. One Wine
# prefix and one persistent wineserver serve the whole run, so each test
# process starts in milliseconds instead of seconds.
set -e
build=${1:-build/windows}
export WINEPREFIX="$(pwd)/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "$DISPLAY" ]; then
  Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:97
  sleep 1
fi
(wineserver -p >/dev/null 2>&1 &)
wine wineboot >/dev/null 2>&1 </dev/null || true
status=0
ctest --test-dir "$build" --output-on-failure -j2 || status=$?
wineserver -k >/dev/null 2>&1 || true
[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
exit $status
