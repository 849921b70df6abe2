#!/usr/bin/env python3
"""Compiles every code block of the README and the guide that follows a
"<!-- compiled: <file> -->" line, as a translation unit of its own that
includes the toolkit's header first, so that the examples stay true to the
toolkit.

    readme_snippets.py <C++ compiler> <toolkit folder> <folder to make> <page.md>...
"""
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from readme_recipe import recipe_files  # noqa: E402


def main():
    compiler, toolkit, folder = sys.argv[1:4]
    snippets = {}
    for page in sys.argv[4:]:
        found = recipe_files(page, "compiled")
        for name in found:
            if name in snippets:
                sys.exit("two examples are named %s" % name)
        snippets.update(found)
    if not snippets:
        sys.exit("the pages have no compiled examples")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    failed = []
    for name, text in sorted(snippets.items()):
        path = os.path.join(folder, name)
        with open(path, "w", encoding="utf-8") as out:
            out.write("#include <wicker.h>\n\n" + text)
        done = subprocess.run([compiler, "-std=c++17", "-Wall", "-Wextra", "-fsyntax-only", "-I", toolkit, path],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, universal_newlines=True)
        if done.returncode != 0:
            failed.append("%s:\n%s" % (name, done.stdout))
        else:
            print("compiled", name)
    if failed:
        sys.exit("examples that do not compile:\n" + "\n".join(failed))


if __name__ == "__main__":
    main()
