# Reads one help page whole and reports what would make it break, look
# wrong or leave out something a player needs. Run with LC_ALL=C.

function problem(text) {
    printf "%s: %s\n", file, text
    bad = 1
}

function checkHead() {
    if (page !~ /^<!DOCTYPE html>\r?\n/) problem("does not start with <!DOCTYPE html>")
    if (language != "" && index(page, "<html lang=\"" language "\">") == 0)
        problem("does not declare its language: <html lang=\"" language "\">")
    if (tolower(page) !~ /<meta charset="(utf-8|windows-1252)">/)
        problem("lacks <meta charset=\"utf-8\"> (or \"windows-1252\")")
}

# The page opens from the player's disk, often with no network: it may
# neither load nor link anything outside itself.
function checkSelfContained(    lower) {
    lower = tolower(page)
    if (lower ~ /<(script|link|img|iframe|object|embed|audio|video)[ >]/) problem("loads a resource")
    if (lower ~ /[ \t]src=|url\(|@import|https?:|ftp:|mailto:/) problem("refers to something outside the page")
    if (lower ~ /href="[^#]/) problem("has a link that leaves the page")
}

function checkAnchors(    rest, target) {
    rest = page
    while (match(rest, /href="#[^"]*"/)) {
        target = substr(rest, RSTART + 7, RLENGTH - 8)
        if (index(page, "id=\"" target "\"") == 0) problem("link to #" target " has no target")
        rest = substr(rest, RSTART + RLENGTH)
    }
}

function checkTags(    rest, tag, closing, depth, stack) {
    void = " meta br hr img input link wbr col area base source "
    rest = page
    gsub(/<!--([^-]|-[^-])*-->/, "", rest)
    depth = 0
    while (match(rest, /<\/?[A-Za-z][A-Za-z0-9]*/)) {
        closing = substr(rest, RSTART + 1, 1) == "/"
        tag = tolower(substr(rest, RSTART + 1 + closing, RLENGTH - 1 - closing))
        rest = substr(rest, RSTART + RLENGTH)
        if (index(void, " " tag " ")) continue
        if (!closing) { stack[++depth] = tag; continue }
        if (depth == 0 || stack[depth] != tag) {
            problem("</" tag "> does not close " (depth ? "<" stack[depth] ">" : "anything"))
            return
        }
        depth--
    }
    if (depth > 0) problem("<" stack[depth] "> is never closed")
}

# Every command key and every data folder is explained somewhere.
function checkCoverage(    key, folders, i, n, folder) {
    for (key = 1; key <= 12; key++)
        if (key != 10 && index(page, "<kbd>F" key "</kbd>") == 0) problem("never names the key F" key)
    n = split("TILESETS BACKGRND LAYOUTS SOUNDS LANGUAGE SCORES SAVEGAME TAVREK32.INI RANDOM.TVL", folders, " ")
    for (i = 1; i <= n; i++)
        if (index(page, "<code>" folders[i] "</code>") == 0) problem("never names " folders[i])
}

{ page = page $0 "\n" }

END {
    checkHead()
    checkSelfContained()
    checkAnchors()
    checkTags()
    checkCoverage()
    exit bad
}
