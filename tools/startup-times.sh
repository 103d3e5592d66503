#!/bin/sh
# Times the start of tavrek (in its 3D view) and of tavrek-lite up to their
# first frame against an empty Win32 window, all under Wine on a virtual
# display, each as a whole process: RUNS runs of each (default 7) in turn,
# after one warm-up, and prints the median wall times and their ratios, and
# the medians of what each program measures itself: the time from its
# process's creation to its first frame, without Wine's launcher and the
# process's end. The same empty window painted with OpenGL is timed too, and
# tavrek is also given against it: it is the least a 3D start can cost on
# this machine's driver.
# Needs the windows preset built (the *-first-frame programs and the empty windows).
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
# Milliseconds of one whole run of a program; the program's own figure (from
# its process's creation to its first frame) goes to PROGRAM.inside.
timeRun() {
  begin=$(date +%s%N)
  wine "$1" 2>/dev/null </dev/null | sed -n 's/^first frame \([0-9.]*\) ms.*/\1/p' >>"${1%.exe}.inside"
  echo $((($(date +%s%N) - begin) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
programs="empty-window empty-gl-window tavrek-first-frame tavrek-lite-first-frame"
for program in $programs; do timeRun $program.exe >/dev/null; done
rm -f ./*.inside
for i in $(seq "$runs"); do
  for program in $programs; do
    timeRun $program.exe >>"$program.times"
  done
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
empty=$(median <empty-window.times)
emptyInside=$(median <empty-window.inside)
for program in $programs; do
  ms=$(median <"$program.times")
  inside=$(median <"$program.inside")
  echo "$program: median $ms ms of $runs runs, $(ratio "$ms" "$empty")x the empty window;" \
    "first frame $inside ms after the process was made, $(ratio "$inside" "$emptyInside")x"
done
gl=$(median <empty-gl-window.times)
glInside=$(median <empty-gl-window.inside)
echo "tavrek-first-frame against the empty OpenGL window: $(ratio "$(median <tavrek-first-frame.times)" "$gl")x;" \
  "first frame $(ratio "$(median <tavrek-first-frame.inside)" "$glInside")x"
echo "load: $(uptime | sed 's/.*load average: //')"
wineserver -k >/dev/null 2>&1 || true
if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
