#!/usr/bin/env python3
"""Writes the help page of one edition: make_help.py EDITION SOURCE OUTPUT.

The source page is written for every edition. A part between the comments
"if SERVICE" and "endif" is kept only when the edition offers the service
(spelling, thesaurus, definitions, editors, as app/Edition.cpp decides), so
the help describes what the user's program has. The page written is checked:
every link inside it leads to a place that is still there, and no menu name
keeps its access-key mark ("&amp;" before a letter), which a reader would see
as a stray ampersand. A failed check fails the build."""
import re
import sys

# Edition numbers as in app/Edition.h: 0 all services, 1 to 3 the suites,
# 4 spelling only, 5 thesaurus only.
def services(edition):
    return {
        "spelling": edition != 5,
        "thesaurus": edition != 4,
        "definitions": edition <= 3,
        "editors": 1 <= edition <= 3,
    }


BLOCK = re.compile(r"<!--if (\w+)-->(.*?)<!--endif-->", re.S)


def filter_page(page, offered):
    def keep(match):
        name = match.group(1)
        if name not in offered:
            raise ValueError(f"unknown service '{name}' in an if-comment")
        return match.group(2) if offered[name] else ""
    out = BLOCK.sub(keep, page)
    if "<!--if " in out or "<!--endif-->" in out:
        raise ValueError("an if-comment without its endif (or one inside another)")
    return out


def problems(page):
    found = []
    ids = set(re.findall(r'\bid="([^"]+)"', page))
    for target in re.findall(r'href="#([^"]+)"', page):
        if target not in ids:
            found.append(f"a link to #{target}, which this edition's help does not have")
    for mark in re.findall(r"\w*&amp;\w+", page):
        found.append(f"an access-key mark left in '{mark}'")
    return found


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: make_help.py EDITION SOURCE OUTPUT")
    edition = int(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as f:
        page = f.read()
    try:
        page = filter_page(page, services(edition))
    except ValueError as e:
        sys.exit(f"{sys.argv[2]}: {e}")
    found = problems(page)
    if found:
        sys.exit("\n".join(f"{sys.argv[2]} (edition {edition}): {p}" for p in found))
    # The comments are for whoever edits the source page.
    page = re.sub(r"<!--.*?-->\n?", "", page, flags=re.S)
    page = re.sub(r"\n{3,}", "\n\n", page)
    with open(sys.argv[3], "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


if __name__ == "__main__":
    main()
