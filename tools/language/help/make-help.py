#!/usr/bin/env python3
"""Writes the help pages data/LANGUAGE/*.HTM from the sources beside this file.

Each source (ENGLISH.html and so on, UTF-8) holds the page's <title> on its
first line and the body after it; every page gets the same inline style
sheet. The pages are written as the game ships them: Windows-1252 with a
matching meta charset and CR LF line ends.
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
OUTPUT = HERE.parents[2] / "data" / "LANGUAGE"
PAGES = {
    "ENGLISH": "en", "FRANCAIS": "fr", "DEUTSCH": "de", "ESPANOL": "es", "ITALIANO": "it",
    "NEDERLANDS": "nl", "PORTUGUES": "pt", "SVENSKA": "sv", "DANSK": "da", "NORSK": "nb",
    "POLSKI": "pl", "CESTINA": "cs", "MAGYAR": "hu",
}


def page(language, source, style):
    title, body = source.split("\n", 1)
    return (
        "<!DOCTYPE html>\n"
        f'<html lang="{language}">\n'
        "<head>\n"
        '<meta charset="windows-1252">\n'
        f"{title}\n"
        f"<style>\n{style}</style>\n"
        "</head>\n"
        "<body>\n"
        f"{body}"
        "</body>\n"
        "</html>\n"
    )


def main():
    style = (HERE / "style.css").read_text(encoding="utf-8")
    for name, language in PAGES.items():
        source = HERE / f"{name}.html"
        if not source.exists():
            continue
        text = page(language, source.read_text(encoding="utf-8"), style)
        (OUTPUT / f"{name}.HTM").write_bytes(text.replace("\n", "\r\n").encode("cp1252"))


if __name__ == "__main__":
    main()
