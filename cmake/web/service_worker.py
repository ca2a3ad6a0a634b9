"""Writes the site's service worker: every file of the site, and a cache name
made from their paths and bytes, so that any change to the build names a new
cache. Run after everything else in the site is made:

    service_worker.py TEMPLATE SITE
"""
import hashlib
import json
import os
import sys

WORKER = "service-worker.js"
# Made from the site, or beside it: not part of the game a page runs.
LEFT_OUT = {WORKER, "brumalo-web.zip"}


def site_files(site):
    files = []
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/")
            if path not in LEFT_OUT:
                files.append(path)
    return sorted(files)


def main():
    template, site = sys.argv[1], sys.argv[2]
    files = site_files(site)
    digest = hashlib.sha256()
    for path in files:
        digest.update(path.encode() + b"\0")
        with open(os.path.join(site, path), "rb") as f:
            digest.update(hashlib.sha256(f.read()).digest())
    # The page itself is asked for as the site's folder, "./", as well. Each
    # language's lettered pictures, for the mouse or a finger, are kept only
    # by the players who ask.
    def is_lettered(path):
        return path.startswith(("lang/", "touch/"))

    shared = ["./"] + [path for path in files if not is_lettered(path)]
    lettered = [path for path in files if is_lettered(path)]
    with open(template, encoding="utf-8") as f:
        text = f.read()
    text = (text.replace("@VERSION@", digest.hexdigest()[:16])
            .replace("@FILES@", json.dumps(shared, indent=4))
            .replace("@LANGUAGE_FILES@", json.dumps(lettered, indent=4)))
    out = os.path.join(site, WORKER)
    # Written only when it changes, so that an unchanged build stays the same
    # worker to the browser.
    try:
        with open(out, encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


main()
