#!/bin/sh
# The release as a player meets it, under Wine on a virtual display of its own
# and in a fresh Wine prefix: the installer installs silently into a scratch
# folder whose name has a space, the programs start from their Start-menu
# shortcuts and write their settings there, installing again and uninstalling
# keep the player's files, and the zip unpacks to a folder the programs start
# from. Needs `make dist` first; prints "N passed, N failed" and fails when
# any check does.
set -u
cd "$(dirname "$0")/../.."
root=$(pwd)
. tools/wine-session.sh

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
release=Tavrek-$version
stage=$root/build/windows/dist/$release
setup=$root/build/dist/$release-win64-setup.exe
zip=$root/build/dist/$release-win64.zip
# The programs' caption is the product name and the major and minor version.
caption=$(echo "Tavrek v${version%.*}" | sed 's/\./\\./g')
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrek'

work=$root/build/release-test
rm -rf "$work"
mkdir -p "$work/scratch dir" "$work/player"
export WINEPREFIX="$work/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
start_virtual_display
start_wine

install="$work/scratch dir/Tavrek"
install_win=$(winepath -w "$install")
menu="$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/Start Menu/Programs/Tavrek"

passed=0
failed=0
# check NAME COMMAND...: one check; its output is shown only when it fails.
check() {
  name=$1
  shift
  if out=$("$@" 2>&1); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name"
    [ -n "$out" ] && echo "$out" | head -20
  fi
}

# wait_until SECONDS COMMAND...: polls until the command succeeds.
wait_until() {
  limit=$1
  shift
  waited=0
  until "$@" >/dev/null 2>&1; do
    [ $waited -ge "$limit" ] && return 1
    sleep 1
    waited=$((waited + 1))
  done
}

windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
no_window() { [ "$(windows "$1")" -eq 0 ]; }
window_count() { [ "$(windows "$1")" -eq "$2" ]; }

# send PATTERN KEY...: waits for a window whose title matches, then types.
# Of several matches the smallest is taken: a message box over its owner.
send() {
  pattern=$1
  shift
  wait_until 60 xdotool search --onlyvisible --name "$pattern" || { echo "no window \"$pattern\""; return 1; }
  sleep 1
  id=$(for w in $(xdotool search --onlyvisible --name "$pattern"); do
         echo "$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^HEIGHT=//p') $w"
       done | sort -n | head -1 | cut -d' ' -f2)
  xdotool windowfocus --sync "$id" key "$@"
}

# play FOLDER COMMAND...: starts a program with COMMAND, takes the preselected
# language at the first start, and closes the main window once it shows; the
# settings must then be written into FOLDER.
play() {
  folder=$1
  shift
  rm -f "$folder/TAVREK32.INI"
  ("$@") >/dev/null 2>&1 </dev/null &
  send "^$caption\$" Return && send "^$caption - " alt+F4 &&
    wait_until 30 no_window "^$caption" || { echo "no main window, or it stays open"; restart_wine; return 1; }
  wait_until 10 test -s "$folder/TAVREK32.INI" || { echo "no TAVREK32.INI in $folder"; return 1; }
  grep -q '^Language *= *"ENGLISH.TXT"' "$folder/TAVREK32.INI" || { echo "no language in TAVREK32.INI"; return 1; }
}

from_shortcut() { (cd "$work" && wine start /unix "$menu/$1"); }
from_folder() { (cd "$1" && exec wine "$2"); }

run_setup() { wine cmd /c "$(winepath -w "$setup") /S /D=$install_win"; }

# A silent uninstall hands over to a copy of itself and returns at once; its
# last step removes the registration.
run_uninstall() {
  wine "$install_win\\Uninstall.exe" "$@"
  wait_until 60 not_registered
}

# Ends whatever a failed check left running.
restart_wine() {
  wineserver -k >/dev/null 2>&1
  start_wine
}

not_registered() { ! wine reg query "$uninstall_key"; }

registered() {
  wine reg query "$uninstall_key" /v "$1" | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}

expect() { [ "$1" = "$2" ] || { echo "expected \"$2\", found \"$1\""; return 1; }; }

# What the build made: the stage holds data/ as it is now, both programs as
# built, the licence, the read-me and the player's empty folders.
stage_is_the_build() {
  diff -r "$root/data" "$stage" | grep -v -e "^Only in $stage: tavrek.exe" -e "^Only in $stage: tavrek-lite.exe" \
    -e "^Only in $stage: LICENSE.TXT" -e "^Only in $stage: README.TXT" -e "^Only in $stage: SAVEGAME" && return 1
  cmp "$root/build/windows/shell/tavrek.exe" "$stage/tavrek.exe" &&
  cmp "$root/build/windows/shell/tavrek-lite.exe" "$stage/tavrek-lite.exe" &&
  cmp "$root/LICENSE" "$stage/LICENSE.TXT" &&
  [ -z "$(ls -A "$stage/SAVEGAME")" ] && [ ! -e "$stage/TAVREK32.INI" ] && [ ! -e "$stage/SCORES/DEFAULT.TVS" ]
}

# Every shipped file is installed byte for byte; beside them lie only the
# uninstaller and the player's files.
installed_as_staged() {
  diff -r "$stage" "$install" | grep -v -x -F -e "Only in $install: Uninstall.exe" \
    -e "Only in $install: TAVREK32.INI" -e "Only in $install/SCORES: DEFAULT.TVS" \
    -e "Only in $install/SAVEGAME: MINE.TVM" -e "Only in $install/LAYOUTS: MINE.TVL" && return 1
  test -f "$install/Uninstall.exe"
}

registration() {
  expect "$(registered DisplayName)" "Tavrek" &&
  expect "$(registered DisplayVersion)" "$version" &&
  expect "$(registered Publisher)" "the Tavrek developers" &&
  expect "$(registered DisplayIcon)" "$install_win\\tavrek.exe,0" &&
  expect "$(registered InstallLocation)" "$install_win" &&
  expect "$(registered UninstallString)" "\"$install_win\\Uninstall.exe\"" &&
  kilobytes=$(find "$stage" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "0x%x", (s + 1023) / 1024 }') &&
  expect "$(registered EstimatedSize)" "$kilobytes"
}

shortcuts() { expect "$(ls "$menu" | tr '\n' '/')" "Tavrek Lite.lnk/Tavrek.lnk/"; }

# The player's files: settings written by the game, a score table, a saved
# game and a layout of their own.
add_player_files() {
  head -c 400 /dev/urandom >"$install/SCORES/DEFAULT.TVS"
  head -c 9445 /dev/urandom >"$install/SAVEGAME/MINE.TVM"
  cp "$install/LAYOUTS/DEFAULT.TVL" "$install/LAYOUTS/MINE.TVL"
  for f in TAVREK32.INI SCORES/DEFAULT.TVS SAVEGAME/MINE.TVM LAYOUTS/MINE.TVL; do
    mkdir -p "$work/player/$(dirname "$f")"
    cp "$install/$f" "$work/player/$f"
  done
}

player_files_kept() {
  for f in TAVREK32.INI SCORES/DEFAULT.TVS SAVEGAME/MINE.TVM LAYOUTS/MINE.TVL; do
    cmp "$work/player/$f" "$install/$f" || return 1
  done
}

# An older release: one shipped file differs, another is missing.
age_install() {
  echo "; older" >>"$install/LAYOUTS/DEFAULT.TVL"
  rm "$install/tavrek-lite.exe"
}

only_player_files_left() {
  expect "$(cd "$install" && find . -type f | sort | tr '\n' ' ')" \
    "./LAYOUTS/MINE.TVL ./SAVEGAME/MINE.TVM ./SCORES/DEFAULT.TVS ./TAVREK32.INI "
}

# Answers the uninstaller's pages: confirm, "No" to keeping, close.
uninstall_answering_no() {
  wine "$install_win\\Uninstall.exe" >/dev/null 2>&1 </dev/null &
  title="^Tavrek $version"
  send "$title" Return &&
  wait_until 30 window_count "$title" 2 && send "$title" n &&
  wait_until 30 window_count "$title" 1 && send "$title" Return &&
  wait_until 60 not_registered || { restart_wine; return 1; }
}

unpack_zip() {
  mkdir -p "$work/zip" && (cd "$work/zip" && cmake -E tar xf "$zip") &&
  expect "$(diff -r "$stage" "$work/zip/$release")" ""
}

echo "Installer: $setup, $(stat -c %s "$setup") bytes"
echo "Zip: $zip, $(stat -c %s "$zip") bytes"
check "the stage holds data/, both programs, licence and read-me" stage_is_the_build

check "silent install into a scratch folder" run_setup
check "every shipped file installed, byte for byte" installed_as_staged
check "registered under Installed apps with name, version, publisher, icon and size" registration
check "Start-menu shortcuts for both programs" shortcuts
check "tavrek starts from its shortcut and writes its settings there" play "$install" from_shortcut Tavrek.lnk
check "tavrek-lite starts from its shortcut and writes its settings there" play "$install" from_shortcut "Tavrek Lite.lnk"

add_player_files
age_install
check "silent install over an older one" run_setup
check "the install over an older one ships every file again" installed_as_staged
check "the install over an older one keeps the player's files" player_files_kept

check "silent uninstall" run_uninstall /S
check "a silent uninstall keeps only the player's files" only_player_files_left
check "the player's files are unchanged" player_files_kept
check "the uninstall removes the shortcuts" test ! -e "$menu"

check "install over the kept files" run_setup
check "the kept files survive the new install" player_files_kept
check "an uninstall answered No removes scores, saved games and settings" uninstall_answering_no
check "an uninstall answered No keeps nothing but the player's own layout" \
  expect "$(cd "$install" && find . -type f)" "./LAYOUTS/MINE.TVL"

check "the zip unpacks to the staged folder" unpack_zip
check "tavrek starts from the unpacked folder" play "$work/zip/$release" from_folder "$work/zip/$release" tavrek.exe
check "tavrek-lite starts from the unpacked folder" play "$work/zip/$release" from_folder "$work/zip/$release" tavrek-lite.exe

wineserver -k >/dev/null 2>&1 || true
kill "$xvfb" 2>/dev/null || true
echo "release: $passed passed, $failed failed"
[ $failed -eq 0 ]
