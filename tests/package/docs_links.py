#!/usr/bin/env python3
"""Every relative link and picture of the README and of docs/ names a file
that is there, so that a reader following them never meets a dead end.

    docs_links.py <source tree>
"""
import glob
import os
import re
import sys


def main():
    tree = sys.argv[1]
    pages = [os.path.join(tree, "README.md")] + glob.glob(os.path.join(tree, "docs", "**", "*.md"),
                                                          recursive=True)
    dead = []
    for page in pages:
        text = open(page, encoding="utf-8").read()
        # Code blocks hold C++ and commands, not links.
        text = re.sub(r"^(    |\t).*$", "", text, flags=re.M)
        for target in re.findall(r"\]\(([^)\s]+)\)", text):
            if re.match(r"^[a-z]+:", target) or target.startswith("#"):
                continue
            path = os.path.normpath(os.path.join(os.path.dirname(page), target.split("#")[0]))
            if not os.path.exists(path):
                dead.append("%s: %s" % (os.path.relpath(page, tree), target))
    if dead:
        sys.exit("links to nothing:\n" + "\n".join(dead))
    print("%d pages, every link found" % len(pages))


if __name__ == "__main__":
    main()
