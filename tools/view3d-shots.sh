#!/bin/sh
# Screenshots of tavrek's 3D view under Wine on a virtual display, driven by
# the player's keys: at start, turned about each axis, tilted, zoomed in and
# out, leaning to both bounds, with shadows, a selection, a hint, paused and
# during a demonstration; each tile set with textures on and off, and each
# background. They are written to build/shots/*.png; `view3d-shots.sh sets`
# takes only the tile sets and backgrounds.
set -e
. "$(dirname "$0")/wine-session.sh"
cmake --preset windows >/dev/null
cmake --build build/windows --target tavrek -j2 >/dev/null
root=$(pwd)
shots=$root/build/shots
game=$shots/game
rm -rf "$shots"
mkdir -p "$game/SCORES" "$game/SAVEGAME"
cp build/windows/shell/tavrek.exe "$game"/
cp -R data/. "$game"/
export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
start_virtual_display
start_wine

# start TILESET TEXTURES [BACKGROUND]: a fresh settings file, then the game in a 1024 x 768 window.
start() {
  printf 'Language = "ENGLISH.TXT"\r\nTileSet = "%s"\r\nTextures = %s\r\nBackground = "%s"\r\nWindowXPos = 0\r\nWindowYPos = 0\r\nWindowXSize = 1024\r\nWindowYSize = 768\r\nMusic = ""\r\n' \
    "$1" "$2" "${3:-SUNSET.BMP}" >"$game/TAVREK32.INI"
  (cd "$game" && exec wine tavrek.exe >/dev/null 2>&1 </dev/null) &
  game_pid=$!
  waited=0
  while [ $waited -lt 60 ] && ! xdotool search --name "Tavrek v3.2" >/dev/null 2>&1; do
    sleep 1
    waited=$((waited + 1))
  done
  sleep 2
}
keys() { xdotool search --name "Tavrek v3.2" windowfocus --sync key --delay 30 "$@" >/dev/null 2>&1; sleep 1; }
press() { n=$1; key=$2; set --; i=0; while [ $i -lt "$n" ]; do set -- "$@" "$key"; i=$((i + 1)); done; keys "$@"; }
shot() { import -window root -crop 1024x768+0+0 "$shots/$1.png"; echo "$shots/$1.png"; }
# The wineserver stays for the next start: wait for the game alone.
stop() { keys F12; wait "$game_pid" 2>/dev/null || true; }

if [ "$1" != sets ]; then
start STANDARD.BMP 1
shot start
press 6 Up; shot turned-x; press 6 Down
press 6 Right; shot turned-y; press 6 Left
press 9 End; shot turned-z; press 9 Home
press 8 Up; press 4 Right; shot tilted; press 8 Down; press 4 Left
press 15 Prior; shot zoomed-in; press 30 Next; shot zoomed-out; press 15 Prior
press 20 Insert; shot inclination-max; press 40 Delete; shot inclination-min; press 20 Insert
keys F9; shot shadows-on; keys F9
xdotool mousemove 512 400 click 1; sleep 1; shot selection
keys F6; shot hint
keys F5; shot paused; keys F5
keys F10 Down Down Down Down Return; sleep 3; shot demonstration
stop
fi

for set in STANDARD CONTRAST NIGHT SHAPES LARGE; do
  for textures in 1 0; do
    start $set.BMP $textures
    keys F9
    press 6 Up
    shot "$set-textures$textures-shadows"
    stop
  done
done
for background in SUNSET JADE SLATE WALNUT MIDNIGHT DUNES; do
  start STANDARD.BMP 1 $background.BMP
  press 4 Up
  shot "background-$background"
  stop
done
kill "$xvfb" 2>/dev/null || true
