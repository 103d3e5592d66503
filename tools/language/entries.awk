# Reads keys.txt, then one language file; reports every entry that breaks
# the rules of its key. Run with LC_ALL=C; with utf8 set the file is UTF-8
# (its byte-order mark dropped) and lengths count its characters, else a
# byte is a character, as in Windows-1252.

BEGIN {
    for (i = 1; i < 256; i++) byteValue[sprintf("%c", i)] = i
}

function problem(line, text) {
    printf "%s:%s: %s\n", file, line, text
    bad = 1
}

# The bytes of the character whose first byte is `lead`.
function sequenceLength(lead) {
    if (!utf8 || lead < "\300") return 1
    if (lead < "\340") return 2
    if (lead < "\360") return 3
    return 4
}

function chars(text,    rest) {
    if (!utf8) return length(text)
    rest = text
    return length(text) - gsub(/[\200-\277]/, "", rest)
}

# The code point of a two-byte UTF-8 character.
function codePoint(c) {
    return (byteValue[substr(c, 1, 1)] - 192) * 64 + byteValue[substr(c, 2, 1)] - 128
}

function isUpperCase(c,    point) {
    if (length(c) == 1) return c >= "A" && c <= "Z" || c >= "\300" && c <= "\336"
    point = codePoint(c)
    return point >= 192 && point <= 222 || point >= 902 && point <= 939 || point >= 1024 && point <= 1071
}

# Kana, ideographs, Hangul and full-width forms fill the square of the
# dialog font of their script: twice its average letter.
function isWide(c) {
    return length(c) == 4 || length(c) == 3 && (c >= "\343" && c < "\356" || c >= "\357\274\200" && c <= "\357\275\240")
}

# Width in dialog units of a text in the 8-point dialog font. A dialog unit
# is a quarter of the font's average letter, so each character is weighed
# against that average; letters with accents weigh like their base letter.
function dialogWidth(text,    width, i, c) {
    width = 0
    for (i = 1; i <= length(text); i += length(c)) {
        c = substr(text, i, sequenceLength(substr(text, i, 1)))
        if (c == "&") continue
        if (c == " ") width += 2
        else if (index("ijlI.,:;'!|", c)) width += 1.8
        else if (index("ftr()-/\"", c)) width += 2.4
        else if (c == "J") width += 2.8
        else if (index("mwMW", c)) width += 6
        else if (isWide(c)) width += 8
        else if (isUpperCase(c)) width += 4.6
        else width += 3.8
    }
    return width
}

# The key a mnemonic letter is typed with, or "" when it is none a keyboard
# types directly: a Latin letter or digit without accent, or a Greek or
# Cyrillic letter in a UTF-8 file, upper and lower case the same.
function mnemonicKey(c,    point) {
    if (length(c) == 1) return toupper(c) ~ /^[A-Z0-9]$/ ? toupper(c) : ""
    if (length(c) != 2) return ""
    point = codePoint(c)
    if (point >= 945 && point <= 969 && point != 962 || point >= 1072 && point <= 1103) point -= 32
    else if (point == 940) point = 902
    else if (point >= 941 && point <= 943) point -= 37
    else if (point == 972) point = 908
    else if (point >= 973 && point <= 974) point -= 63
    else if (point >= 1104 && point <= 1119) point -= 80
    else if (point >= 1120 && point <= 1279 && point % 2 == 1) point -= 1
    if (point >= 902 && point <= 939 || point >= 1024 && point <= 1279) return "U+" point
    return ""
}

# Room for text inside a control: buttons keep a margin on each side,
# check boxes and radio buttons lose their box, group boxes their frame
# corners, and captions use a font about a fifth larger.
function dialogRoom(kind, width) {
    if (kind == "button") return width - 6
    if (kind == "check" || kind == "radio") return width - 14
    if (kind == "group") return width - 12
    if (kind == "caption") return (width - 14) / 1.2
    return width
}

function checkMenu(key, text, line,    plain, count, c, letter, group, groups, i) {
    if (chars(text) + length(hint[key]) + (hint[key] != "") > 127)
        problem(line, key " does not fit its 127-character slot with its key hint")
    if (index(text, "\t") || index(text, "\\"))
        problem(line, key " holds a tab or backslash; the program appends the key hint itself")
    plain = text
    gsub(/&&/, "", plain)
    count = gsub(/&/, "&", plain)
    if (count != 1) {
        problem(line, key " needs exactly one & mnemonic, has " count)
        return
    }
    c = substr(plain, index(plain, "&") + 1)
    c = substr(c, 1, sequenceLength(substr(c, 1, 1)))
    letter = mnemonicKey(c)
    if (letter == "") {
        problem(line, key " mnemonic is not a plain letter or digit")
        return
    }
    groups = split(detail[key], group, ",")
    for (i = 1; i <= groups; i++) {
        if ((group[i], letter) in mnemonic)
            problem(line, key " repeats mnemonic " (length(c) == 1 ? letter : c) " of " mnemonic[group[i], letter] " in menu " group[i])
        else
            mnemonic[group[i], letter] = key
    }
}

function checkText(key, text, line) {
    if (text == "") problem(line, key " has an empty text")
    if (kind[key] == "menu") checkMenu(key, text, line)
    else if (kind[key] == "tip" && chars(text) > 79)
        problem(line, key " is longer than the 79 characters a tool-tip shows")
    else if (kind[key] == "status" && chars(text) > detail[key])
        problem(line, key " is longer than the " detail[key] " characters of its place in the status bar")
    else if (kind[key] == "dialog" && dialogWidth(text) > dialogRoom(detail[key], limit[key]))
        problem(line, key " does not fit its " detail[key] " (" int(dialogWidth(text)) " of " int(dialogRoom(detail[key], limit[key])) " units)")
    if (kind[key] != "menu" && chars(text) > 4095)
        problem(line, key " does not fit its 4095-character slot")
}

FNR == NR {
    if ($0 !~ /^#/ && NF > 0) {
        kind[$1] = $2
        detail[$1] = $3
        limit[$1] = $4
        hint[$1] = ($2 == "menu" && $4 != "-") ? $4 : ""
        order[++keys] = $1
    }
    next
}

{ sub(/\r$/, "") }
utf8 && FNR == 1 { sub(/^\357\273\277/, "") }
/^;/ || /^[ \t]*$/ { next }
chars($0) > 1021 { problem(FNR, "line longer than the 1023 characters the program reads at once") }
{
    key = $1
    if (!(key in kind)) { problem(FNR, "unknown key " key); next }
    if (key in seen) problem(FNR, key " occurs again (first on line " seen[key] ")")
    else seen[key] = FNR
    quotes = gsub(/"/, "\"")
    if (quotes < 2) { problem(FNR, key " text has no closing quote"); next }
    if (quotes > 2) problem(FNR, key " has a quote inside its text; a text cannot hold one")
    if ($0 !~ /^[A-Za-z0-9_]+[ \t]+=[ \t]+"[^"]*"$/)
        problem(FNR, key " line is not of the form KEY = \"text\"")
    start = index($0, "\"")
    rest = substr($0, start + 1)
    text[key] = substr(rest, 1, index(rest, "\"") - 1)
    checkText(key, text[key], FNR)
}

END {
    for (i = 1; i <= keys; i++)
        if (!(order[i] in seen)) problem("-", "missing key " order[i])
    if (20 + chars(text["Chrono"]) + 3 + chars(text["MesChronoPaused"]) > 38)
        problem(seen["MesChronoPaused"], "Chrono and MesChronoPaused together overflow the clock piece of the status bar")
    exit bad
}
