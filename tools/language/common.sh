# Checks shared by the language-file and help-page checkers: the byte-level
# rules every shipped text file of the LANGUAGE directory follows.
# Each check prints "FILE: problem" lines and returns non-zero on a fault.

# The program reads Windows-1252; a file saved as UTF-8 still decodes, so
# the tell-tale two- and three-byte sequences are refused as well.
checkEncoding() {
    local file=$1
    if ! iconv -f WINDOWS-1252 -t UTF-8 "$file" >/dev/null 2>&1; then
        echo "$file: not valid Windows-1252 (undefined byte)"
        return 1
    fi
    LC_ALL=C awk -v file="$file" '
        /\357\273\277/ { print file ":" FNR ": starts with a UTF-8 byte-order mark"; bad = 1 }
        /[\302-\337][\200-\277]|[\340-\357][\200-\277][\200-\277]/ {
            print file ":" FNR ": looks like UTF-8, not Windows-1252"; bad = 1
        }
        /[\000-\010\013\014\016-\037\177]/ { print file ":" FNR ": control character"; bad = 1 }
        END { exit bad }' "$file"
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

# checkEach LABEL CHECK FILE...: runs the byte checks and then CHECK on every
# file; prints "LABEL OK: count" when all pass, else returns non-zero.
checkEach() {
    local label=$1 check=$2 status=0 file
    shift 2
    for file in "$@"; do
        if [ ! -f "$file" ]; then
            echo "$file: no such file"
            status=1
            continue
        fi
        checkEncoding "$file" || status=1
        checkLineEnds "$file" || status=1
        "$check" "$file" || status=1
    done
    [ $status -eq 0 ] && echo "$label OK: $#"
    return $status
}
