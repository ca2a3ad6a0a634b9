"""Writes a lettered picture's source as a touch screen shows it:

    touch_wording.py SOURCE.svg OUT.svg

Each picture says "click" and names the mouse in its lines marked
pointer-only, and carries, hidden, the same line for a finger marked
touch-only ("Tap to start"). Here the one set is hidden and the other shown;
the translations of both come from the catalogues like every other line."""

import re
import sys


def touch_wording(svg):
    def retag(match):
        tag = match.group(0)
        classes = match.group(1).split()
        if "touch-only" in classes:
            tag = tag.replace(' display="none"', "")
        if "pointer-only" in classes:
            tag = tag.replace("<text", '<text display="none"', 1)
        return tag

    return re.sub(r'<text\b[^>]*\bclass="([^"]*)"[^>]*>', retag, svg)


def main(source, out):
    with open(source, encoding="utf-8") as f:
        svg = f.read()
    with open(out, "w", encoding="utf-8") as f:
        f.write(touch_wording(svg))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: touch_wording.py SOURCE.svg OUT.svg")
    main(*sys.argv[1:])
