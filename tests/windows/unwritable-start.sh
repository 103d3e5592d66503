#!/bin/sh
# Runs the UnwritableStart tests of one Windows test program with the game's
# start folder on a file system it cannot write to, as root can't either: a
# small tmpfs mounted read-only ("readonly"), or filled to the last block
# ("full"). Usage: unwritable-start.sh PROGRAM.exe DATA_DIR readonly|full
program=$1 data=$2 mode=$3
[ "$(id -u)" = 0 ] || { echo "needs root to mount the start folder"; exit 77; }
folder=$(mktemp -d /tmp/tavrek-unwritable.XXXXXX)
mount -t tmpfs -o size=96m tmpfs "$folder" || { rmdir "$folder"; echo "cannot mount a tmpfs"; exit 77; }
cp -r "$data"/. "$folder"/
printf 'Language = "ENGLISH.TXT"\r\nLayout = "DEFAULT.TVL"\r\nRemoveTileTime = 0\r\n' >"$folder/TAVREK32.INI"
case $mode in
  readonly) mount -o remount,ro "$folder" ;;
  full) dd if=/dev/zero of="$folder/FILLER" bs=4k >/dev/null 2>&1 || true ;;
esac
TAVREK_UNWRITABLE_START="Z:$folder" wine "$program" --gtest_filter='UnwritableStart.*'
status=$?
umount "$folder"
rmdir "$folder"
exit $status
