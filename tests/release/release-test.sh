#!/bin/sh
# The release as a player meets it, under Wine on a virtual display of its own
# in a fresh prefix: a silent install into a folder whose name has a space,
# both programs started from their shortcuts, installs over older ones and
# uninstalls that keep the player's files, the zip. Needs `make dist` first.
set -u
cd "$(dirname "$0")/../.."
root=$(pwd)
. tools/wine-session.sh
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
release=Tavrek-$version
stage=$root/build/windows/dist/$release
setup=$root/build/dist/$release-win64-setup.exe
zip=$root/build/dist/$release-win64.zip
caption=$(echo "Tavrek v${version%.*}" | sed 's/\./\\./g')
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrek'
player_files="TAVREK32.INI SCORES/DEFAULT.TVS SAVEGAME/MINE.TVM LAYOUTS/MINE.TVL"

work=$root/build/release-test
rm -rf "$work" && mkdir -p "$work/scratch dir" "$work/player/SCORES" "$work/player/SAVEGAME" "$work/player/LAYOUTS"
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
start_virtual_display
start_wine
install="$work/scratch dir/Tavrek"
install_win=$(winepath -w "$install")
menu="$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/Start Menu/Programs/Tavrek"

passed=0 failed=0
check() { # check NAME COMMAND...: its output is shown only when it fails
  name=$1 && shift
  if out=$("$@" 2>&1); then passed=$((passed + 1)); else
    failed=$((failed + 1)) && echo "FAIL: $name" && echo "$out" | head -20
  fi
}
wait_until() { # wait_until SECONDS COMMAND...
  limit=$1 waited=0 && shift
  until "$@" >/dev/null 2>&1; do [ $waited -ge "$limit" ] && return 1; sleep 1; waited=$((waited + 1)); done
}
windows() { [ "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l)" -eq "$2" ]; }
expect() { [ "$1" = "$2" ] || { echo "expected \"$2\", found \"$1\"" && return 1; }; }
# Ends whatever a failed check left running.
restart_wine() { wineserver -k >/dev/null 2>&1; start_wine; }

# send PATTERN KEY...: types into the smallest window whose title matches (a
# message box rather than its owner), once one shows.
send() {
  pattern=$1 && shift
  wait_until 60 xdotool search --onlyvisible --name "$pattern" || { echo "no window $pattern" && return 1; }
  sleep 1
  id=$(for w in $(xdotool search --onlyvisible --name "$pattern"); do
         echo "$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^HEIGHT=//p') $w"; done | sort -n | head -1)
  xdotool windowfocus --sync "${id#* }" key "$@"
}

# play FOLDER COMMAND...: starts a program, takes the first start's preselected
# language, closes the main window; its settings must be written in FOLDER.
play() {
  folder=$1 && shift
  rm -f "$folder/TAVREK32.INI"
  ("$@") >/dev/null 2>&1 </dev/null &
  send "^$caption\$" Return && send "^$caption - " alt+F4 && wait_until 30 windows "^$caption" 0 ||
    { echo "no main window, or it stays open" && restart_wine && return 1; }
  wait_until 10 test -s "$folder/TAVREK32.INI" && grep -q '^Language *= *"ENGLISH.TXT"' "$folder/TAVREK32.INI"
}
from_shortcut() { cd "$work" && wine start /unix "$menu/$1"; }
from_folder() { cd "$1" && wine "$2"; }

run_setup() { wine cmd /c "$(winepath -w "$setup") /S /D=$install_win"; }
registered() { wine reg query "$key" /v "$1" | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
# An uninstaller hands over to a copy of itself and returns at once; the
# copy's last step removes the registration.
run_uninstall() { wine "$install_win\\Uninstall.exe" /S && wait_until 60 eval '! wine reg query "$key"'; }
uninstall_answering_no() {
  wine "$install_win\\Uninstall.exe" >/dev/null 2>&1 </dev/null &
  title="^Tavrek $version"
  send "$title" Return && wait_until 30 windows "$title" 2 && send "$title" n &&
    wait_until 30 windows "$title" 1 && send "$title" Return && wait_until 60 eval '! wine reg query "$key"' ||
    { restart_wine && return 1; }
}

# The stage is data/ as it is now, both programs as built, licence, read-me
# and an empty SAVEGAME; no settings or scores ship.
stage_is_the_build() {
  diff -r "$root/data" "$stage" | grep -v -x -F -e "Only in $stage: tavrek.exe" -e "Only in $stage: tavrek-lite.exe" \
    -e "Only in $stage: LICENSE.TXT" -e "Only in $stage: README.TXT" -e "Only in $stage: SAVEGAME" && return 1
  for p in tavrek tavrek-lite; do cmp "$root/build/windows/shell/$p.exe" "$stage/$p.exe" || return 1; done
  cmp "$root/LICENSE" "$stage/LICENSE.TXT" && expect "$(ls -A "$stage/SAVEGAME")" "" && [ ! -e "$stage/TAVREK32.INI" ]
}
# Every shipped file installed byte for byte; beside them only the
# uninstaller and the player's files.
installed_as_staged() {
  diff -r "$stage" "$install" | grep -v -x -F -e "Only in $install: Uninstall.exe" -e "Only in $install: TAVREK32.INI" \
    -e "Only in $install/SCORES: DEFAULT.TVS" -e "Only in $install/SAVEGAME: MINE.TVM" \
    -e "Only in $install/LAYOUTS: MINE.TVL" && return 1
  test -f "$install/Uninstall.exe"
}
registration() {
  size=$(find "$stage" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "0x%x", (s + 1023) / 1024 }')
  expect "$(registered DisplayName)|$(registered DisplayVersion)|$(registered Publisher)|$(registered DisplayIcon)" \
    "Tavrek|$version|the Tavrek developers|$install_win\\tavrek.exe,0" &&
  expect "$(registered InstallLocation)|$(registered UninstallString)|$(registered EstimatedSize)" \
    "$install_win|\"$install_win\\Uninstall.exe\"|$size"
}
keep_player_files() {
  head -c 400 /dev/urandom >"$install/SCORES/DEFAULT.TVS"
  head -c 9445 /dev/urandom >"$install/SAVEGAME/MINE.TVM"
  cp "$install/LAYOUTS/DEFAULT.TVL" "$install/LAYOUTS/MINE.TVL"
  for f in $player_files; do cp "$install/$f" "$work/player/$f"; done
}
player_files_kept() { for f in $player_files; do cmp "$work/player/$f" "$install/$f" || return 1; done; }
files_left() { expect "$(cd "$install" && find . -type f | sort | tr '\n' ' ')" "$1"; }
unpack_zip() { mkdir "$work/zip" && cd "$work/zip" && cmake -E tar xf "$zip" && expect "$(diff -r "$stage" "$release")" ""; }

echo "Installer $(stat -c %s "$setup") bytes, zip $(stat -c %s "$zip") bytes"
check "the stage holds data/, both programs, licence and read-me" stage_is_the_build
check "silent install into a scratch folder" run_setup
check "every shipped file installed, byte for byte" installed_as_staged
check "registered under Installed apps with name, version, publisher, icon and size" registration
check "Start-menu shortcuts for both programs" expect "$(ls "$menu" | tr '\n' '/')" "Tavrek Lite.lnk/Tavrek.lnk/"
check "tavrek starts from its shortcut and writes its settings there" play "$install" from_shortcut Tavrek.lnk
check "tavrek-lite starts from its shortcut and writes its settings there" play "$install" from_shortcut "Tavrek Lite.lnk"

keep_player_files
# An older release: one shipped file differs, another is missing.
echo "; older" >>"$install/LAYOUTS/DEFAULT.TVL" && rm "$install/tavrek-lite.exe"
check "silent install over an older one" run_setup
check "the install over an older one ships every file again" installed_as_staged
check "the install over an older one keeps the player's files" player_files_kept
check "silent uninstall" run_uninstall
check "a silent uninstall keeps only the player's files" \
  files_left "./LAYOUTS/MINE.TVL ./SAVEGAME/MINE.TVM ./SCORES/DEFAULT.TVS ./TAVREK32.INI "
check "the player's files are unchanged" player_files_kept
check "the uninstall removes the shortcuts" test ! -e "$menu"
check "install over the kept files" run_setup
check "the kept files survive the new install" player_files_kept
check "an uninstall answered No removes scores, saved games and settings" uninstall_answering_no
check "an uninstall answered No leaves only the player's own layout" files_left "./LAYOUTS/MINE.TVL "

check "the zip unpacks to the staged folder" unpack_zip
check "tavrek starts from the unpacked folder" play "$work/zip/$release" from_folder "$work/zip/$release" tavrek.exe
check "tavrek-lite starts from the unpacked folder" play "$work/zip/$release" from_folder "$work/zip/$release" tavrek-lite.exe

wineserver -k >/dev/null 2>&1
kill "$xvfb" 2>/dev/null
echo "release: $passed passed, $failed failed"
[ $failed -eq 0 ]
