#!/bin/bash
# Checks help pages (default: every *.HTM of data/LANGUAGE, and that every
# language file there has its page): UTF-8 or Windows-1252 bytes as the
# meta charset declares, CR LF line ends, the page's language, nothing fetched from
# outside, working anchors, balanced tags, and every function key and data
# folder named. Prints each problem; exits 1 when there was any.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
status=0

if [ $# -eq 0 ]; then
    for text in "$here"/../../data/LANGUAGE/*.TXT; do
        if [ ! -f "${text%.TXT}.HTM" ]; then
            echo "$text: has no help page beside it"
            status=1
        fi
    done
    set -- "$here"/../../data/LANGUAGE/*.HTM
fi

# The language code a page must declare, from its file name.
languageOf() {
    case "${1##*/}" in
        ENGLISH.HTM) echo en ;;
        FRANCAIS.HTM) echo fr ;;
        DEUTSCH.HTM) echo de ;;
        ESPANOL.HTM) echo es ;;
        ITALIANO.HTM) echo it ;;
        NEDERLANDS.HTM) echo nl ;;
        PORTUGUES.HTM) echo pt ;;
        SVENSKA.HTM) echo sv ;;
        DANSK.HTM) echo da ;;
        NORSK.HTM) echo nb ;;
        NIHONGO.HTM) echo ja ;;
        HANGUGEO.HTM) echo ko ;;
        ZHONGWEN-JIANTI.HTM) echo zh-CN ;;
        ZHONGWEN-FANTI.HTM) echo zh-TW ;;
        RUSSKIJ.HTM) echo ru ;;
        UKRAINSKA.HTM) echo uk ;;
        ELLINIKA.HTM) echo el ;;
        TURKCE.HTM) echo tr ;;
        POLSKI.HTM) echo pl ;;
        CESTINA.HTM) echo cs ;;
        MAGYAR.HTM) echo hu ;;
        *) echo "" ;;
    esac
}

checkPage() {
    LC_ALL=C awk -v file="$1" -v language="$(languageOf "$1")" -f "$here/page.awk" "$1"
}

checkEach "help pages" checkPage "$@" || status=1
exit $status
