"""Writes the web page's own words in every language the game speaks, as a
script that the page loads before page.js:

    page_words.py OUTPUT PO_FOLDER LANGUAGE...

Each language maps the English of a message that web/page.js marks to its
translation in PO_FOLDER/<language>.po. A fuzzy or untranslated message is
left out, and the page says it in English, as the game's pictures do. Every
language is named, even one with no page words yet, because the page chooses
among these names as the game chooses among its language folders."""

import gettext
import io
import json
import subprocess
import sys


def page_words(catalogue):
    """The translated messages of one catalogue that come from web/page.js."""
    # msgfmt leaves out the fuzzy and the untranslated, and checks that a
    # translation keeps its message's %s.
    from_page = subprocess.run(
        ["msggrep", "--location=web/page.js", catalogue], capture_output=True, check=True
    ).stdout
    compiled = subprocess.run(
        ["msgfmt", "--check-format", "--output-file=-", "-"], input=from_page, capture_output=True, check=True
    ).stdout
    if not compiled:
        return {}
    # The compiled catalogue's table, less its header (the empty message).
    table = gettext.GNUTranslations(io.BytesIO(compiled))._catalog
    return {english: translated for english, translated in table.items() if english}


def main(output, po_folder, *languages):
    try:
        words = {language: page_words("%s/%s.po" % (po_folder, language)) for language in languages}
    except subprocess.CalledProcessError as failure:
        sys.exit("page_words.py: %s failed: %s" % (failure.cmd[0], failure.stderr.decode().strip()))
    with open(output, "w", encoding="utf-8") as script:
        script.write("// Made by cmake/web/page_words.py from po/*.po: the page's words in each language.\n")
        script.write("window.brumaloPageWords = %s;\n" % json.dumps(words, ensure_ascii=False, indent=1, sort_keys=True))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: page_words.py OUTPUT PO_FOLDER LANGUAGE...")
    main(*sys.argv[1:])
