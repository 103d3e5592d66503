#!/usr/bin/env python3
"""Writes the help pages data/LANGUAGE/*.HTM (or into the folder given as the
argument) from the sources beside this file.

Each source (ENGLISH.html and so on, UTF-8) holds the page's <title> on its
first line and the body after it; every page gets the same inline style
sheet. The pages are written as the game ships them: UTF-8, so that every
script shows on any Windows, with the charset declared and CR LF line ends.
"""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
OUTPUT = HERE.parents[2] / "data" / "LANGUAGE"
PAGES = {
    "ENGLISH": "en", "FRANCAIS": "fr", "DEUTSCH": "de", "ESPANOL": "es", "ITALIANO": "it",
    "NEDERLANDS": "nl", "PORTUGUES": "pt", "SVENSKA": "sv", "DANSK": "da", "NORSK": "nb",
    "NIHONGO": "ja", "HANGUGEO": "ko", "ZHONGWEN-JIANTI": "zh-CN", "ZHONGWEN-FANTI": "zh-TW",
    "RUSSKIJ": "ru", "UKRAINSKA": "uk", "ELLINIKA": "el", "TURKCE": "tr",
    "POLSKI": "pl", "CESTINA": "cs", "MAGYAR": "hu",
}


def page(language, source, style):
    title, body = source.split("\n", 1)
    return (
        "<!DOCTYPE html>\n"
        f'<html lang="{language}">\n'
        "<head>\n"
        '<meta charset="utf-8">\n'
        f"{title}\n"
        f"<style>\n{style}</style>\n"
        "</head>\n"
        "<body>\n"
        f"{body}"
        "</body>\n"
        "</html>\n"
    )


def main(output):
    style = (HERE / "style.css").read_text(encoding="utf-8")
    for source in sorted(HERE.glob("*.html")):
        if source.stem not in PAGES:
            sys.exit(f"{source}: no language code is known for this page")
        text = page(PAGES[source.stem], source.read_text(encoding="utf-8"), style)
        (output / f"{source.stem}.HTM").write_bytes(text.replace("\n", "\r\n").encode("utf-8"))


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else OUTPUT)
