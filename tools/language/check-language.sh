#!/bin/bash
# Checks language files (default: every *.TXT of data/LANGUAGE): UTF-8 after
# the byte-order mark or else Windows-1252 bytes, CR LF line ends, one `KEY = "text"` per line, every key of keys.txt
# exactly once and no other, texts within their slots, one unique menu
# mnemonic per menu, status words and dialog texts that fit their places.
# Prints each problem as FILE:LINE: text; exits 1 when there was any.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

if [ $# -eq 0 ]; then
    set -- "$here"/../../data/LANGUAGE/*.TXT
fi

checkEntries() {
    LC_ALL=C awk -v file="$1" -v utf8="$([ "$2" = utf-8 ] && echo 1)" -f "$here/entries.awk" "$here/keys.txt" "$1"
}

checkEach "language files" checkEntries "$@"
