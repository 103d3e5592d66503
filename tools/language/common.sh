# Checks shared by the language-file and help-page checkers: the byte-level
# rules every shipped text file of the LANGUAGE directory follows, in either
# of the two encodings the program and the browser read.
# Each check prints "FILE: problem" lines and returns non-zero on a fault.

# The encoding a file declares: a language file is UTF-8 when it starts with
# the byte-order mark (the program reads it so), a help page when its meta
# charset says so; anything else is Windows-1252.
declaredEncoding() {
    case $1 in
        *.HTM | *.htm)
            if LC_ALL=C grep -qi '<meta charset="utf-8">' "$1"; then echo utf-8; else echo windows-1252; fi ;;
        *)
            if [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' \n')" = efbbbf ]; then echo utf-8; else echo windows-1252; fi ;;
    esac
}

# checkEncoding FILE ENCODING: the bytes are what the file declares. A
# Windows-1252 file holding the tell-tale two- and three-byte sequences of
# UTF-8 is refused, since it was most likely saved as UTF-8 without its mark.
checkEncoding() {
    local file=$1 encoding=$2
    if ! iconv -f "$encoding" -t UTF-8 "$file" >/dev/null 2>&1; then
        echo "$file: not valid $(encodingName "$encoding")"
        return 1
    fi
    LC_ALL=C awk -v file="$file" -v utf8="$([ "$encoding" = utf-8 ] && echo 1)" '
        utf8 && FNR == 1 { sub(/^\357\273\277/, "") }
        /\357\273\277/ { print file ":" FNR ": " (utf8 ? "a byte-order mark inside the text" : "starts with a UTF-8 byte-order mark"); bad = 1 }
        !utf8 && /[\302-\337][\200-\277]|[\340-\357][\200-\277][\200-\277]/ {
            print file ":" FNR ": looks like UTF-8 (without its mark), not Windows-1252"; bad = 1
        }
        /[\000-\010\013\014\016-\037\177]/ { print file ":" FNR ": control character"; bad = 1 }
        END { exit bad }' "$file"
}

encodingName() {
    case $1 in
        utf-8) echo UTF-8 ;;
        *) echo Windows-1252 ;;
    esac
}

# Every line ends in CR LF, the last one included.
checkLineEnds() {
    local file=$1
    if [ -s "$file" ] && [ "$(tail -c 1 "$file" | od -An -c | tr -d ' ')" != '\n' ]; then
        echo "$file: the last line has no line end"
        return 1
    fi
    LC_ALL=C awk -v file="$file" '
        !/\r$/ { print file ":" FNR ": line end is not CR LF"; bad = 1 }
        /\r./ { print file ":" FNR ": stray CR inside the line"; bad = 1 }
        END { exit bad }' "$file"
}

# checkEach LABEL CHECK FILE...: runs the byte checks and then CHECK FILE
# ENCODING on every file; prints "LABEL OK: count" when all pass, else
# returns non-zero.
checkEach() {
    local label=$1 check=$2 status=0 file encoding
    shift 2
    for file in "$@"; do
        if [ ! -f "$file" ]; then
            echo "$file: no such file"
            status=1
            continue
        fi
        encoding=$(declaredEncoding "$file")
        checkEncoding "$file" "$encoding" || status=1
        checkLineEnds "$file" || status=1
        "$check" "$file" "$encoding" || status=1
    done
    [ $status -eq 0 ] && echo "$label OK: $#"
    return $status
}
