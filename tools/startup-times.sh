#!/bin/sh
# Times the start of tavrek (in its 3D view) and of tavrek-lite up to their
# first frame against an empty Win32 window, all under Wine on a virtual
# display, each as a whole process: RUNS runs of each (default 7) in turn,
# after one warm-up, and prints the median wall times and their ratios.
# Needs the windows preset built (the *-first-frame programs and empty-window).
set -e
runs=${1:-7}
build=build/windows
root=$(pwd)
. "$(dirname "$0")/wine-session.sh"
export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
start=$root/build/startup-times
rm -rf "$start"
mkdir -p "$start/SCORES" "$start/SAVEGAME"
cp -R data/. "$start"/
cp "$build"/tools/startup/*.exe "$start"/
printf 'Language = "ENGLISH.TXT"\r\n' >"$start/TAVREK32.INI"
xvfb=""
[ -z "$DISPLAY" ] && start_virtual_display
start_wine
cd "$start"
# Milliseconds of one whole run of a program.
timeRun() {
  begin=$(date +%s%N)
  wine "$1" >/dev/null 2>&1 </dev/null
  echo $((($(date +%s%N) - begin) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for program in empty-window tavrek-first-frame tavrek-lite-first-frame; do timeRun $program.exe >/dev/null; done
for i in $(seq "$runs"); do
  for program in empty-window tavrek-first-frame tavrek-lite-first-frame; do
    timeRun $program.exe >>"$program.times"
  done
done
empty=$(median <empty-window.times)
for program in empty-window tavrek-first-frame tavrek-lite-first-frame; do
  ms=$(median <"$program.times")
  echo "$program: median $ms ms of $runs runs, $(awk -v a="$ms" -v b="$empty" 'BEGIN { printf "%.2f", a / b }')x the empty window"
done
echo "load: $(uptime | sed 's/.*load average: //')"
wineserver -k >/dev/null 2>&1 || true
if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
