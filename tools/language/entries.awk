# Reads keys.txt, then one language file; reports every entry that breaks
# the rules of its key. Run with LC_ALL=C so that a byte is a character.

function problem(line, text) {
    printf "%s:%s: %s\n", file, line, text
    bad = 1
}

# Width in dialog units of a text in the 8-point dialog font. A dialog unit
# is a quarter of the font's average letter, so each character is weighed
# against that average; letters with accents weigh like their base letter.
function dialogWidth(text,    width, i, c) {
    width = 0
    for (i = 1; i <= length(text); i++) {
        c = substr(text, i, 1)
        if (c == "&") continue
        if (c == " ") width += 2
        else if (index("ijlI.,:;'!|", c)) width += 1.8
        else if (index("ftr()-/\"", c)) width += 2.4
        else if (c == "J") width += 2.8
        else if (index("mwMW", c)) width += 6
        else if (c >= "A" && c <= "Z" || c >= "\300" && c <= "\336") width += 4.6
        else width += 3.8
    }
    return width
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

function checkMenu(key, text, line,    plain, count, letter, group, groups, i) {
    if (length(text) + length(hint[key]) + (hint[key] != "") > 127)
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
    letter = toupper(substr(plain, index(plain, "&") + 1, 1))
    if (letter !~ /^[A-Z0-9]$/) {
        problem(line, key " mnemonic is not a plain letter or digit")
        return
    }
    groups = split(detail[key], group, ",")
    for (i = 1; i <= groups; i++) {
        if ((group[i], letter) in mnemonic)
            problem(line, key " repeats mnemonic " letter " of " mnemonic[group[i], letter] " in menu " group[i])
        else
            mnemonic[group[i], letter] = key
    }
}

function checkText(key, text, line) {
    if (text == "") problem(line, key " has an empty text")
    if (kind[key] == "menu") checkMenu(key, text, line)
    else if (kind[key] == "tip" && length(text) > 79)
        problem(line, key " is longer than the 79 characters a tool-tip shows")
    else if (kind[key] == "status" && length(text) > detail[key])
        problem(line, key " is longer than the " detail[key] " characters of its place in the status bar")
    else if (kind[key] == "dialog" && dialogWidth(text) > dialogRoom(detail[key], limit[key]))
        problem(line, key " does not fit its " detail[key] " (" int(dialogWidth(text)) " of " int(dialogRoom(detail[key], limit[key])) " units)")
    if (kind[key] != "menu" && length(text) > 4095)
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
/^;/ || /^[ \t]*$/ { next }
length($0) > 1021 { problem(FNR, "line longer than the 1023 characters the program reads at once") }
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
    if (20 + length(text["Chrono"]) + 3 + length(text["MesChronoPaused"]) > 38)
        problem(seen["MesChronoPaused"], "Chrono and MesChronoPaused together overflow the clock piece of the status bar")
    exit bad
}
