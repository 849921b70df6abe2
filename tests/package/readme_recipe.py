#!/usr/bin/env python3
"""Builds the README's first program exactly as a newcomer would.

Its files are the code blocks that follow each "<!-- recipe: <file> -->" line
of the README. They are written into an empty folder and configured with
nothing but the installed package's own toolchain file and prefix.

    readme_recipe.py <README.md> <installed package> <toolchain file name> <empty folder to make>
"""
import os
import re
import shutil
import subprocess
import sys


def recipe_files(readme, kind="recipe"):
    """The README's code blocks of a kind ("recipe", "compiled"): {name: text}."""
    return code_blocks(open(readme, encoding="utf-8").read(), kind)


def code_blocks(page, kind):
    """The code blocks of a page after its markers of a kind,
    "<!-- kind: name -->" or "<!-- kind: name | caption -->": {name: text}."""
    files = {}
    current = None
    indent = None
    lines = []
    for line in page.split("\n"):
        marker = re.match(r"^<!-- " + kind + r": (\S+)(?: \| .+?)? -->$", line)
        if marker:
            if current:
                files[current] = "\n".join(lines).rstrip("\n") + "\n"
            current, indent, lines = marker.group(1), None, []
            continue
        if current is None:
            continue
        # The block is indented by four spaces or more (six inside a list
        # item): its first line sets how many are taken off. Blank lines
        # inside it stay; the first line of prose after it ends it.
        if indent is None:
            if line.strip() == "":
                continue
            indent = len(line) - len(line.lstrip(" "))
            if indent < 4:
                sys.exit("the recipe's %s has no indented block after its marker" % current)
        if line.strip() == "":
            lines.append("")
        elif line.startswith(" " * indent):
            lines.append(line[indent:])
        else:
            files[current] = "\n".join(lines).rstrip("\n") + "\n"
            current = None
    if current:
        files[current] = "\n".join(lines).rstrip("\n") + "\n"
    return files


def main():
    readme, prefix, toolchain, folder = sys.argv[1:5]
    files = recipe_files(readme)
    if "CMakeLists.txt" not in files or "main.cpp" not in files:
        sys.exit("the README has no recipe for CMakeLists.txt and main.cpp (found: %s)" % sorted(files))
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8") as out:
            out.write(text)
    print("the README's program is built in", build_project(folder, prefix, toolchain))


def build_project(folder, prefix, toolchain):
    """Configures the project in the folder with nothing but the package's
    toolchain file and prefix, as the README tells, builds it in <folder>/build and gives that
    folder; ends the script with the tool's output when a step fails."""
    environment = dict(os.environ)
    # The build is a make of its own, not a part of a calling make's job server.
    environment.pop("MAKEFLAGS", None)
    environment.pop("MFLAGS", None)
    build = os.path.join(folder, "build")
    for command in (
        ["cmake", "-S", folder, "-B", build,
         "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(prefix, "lib", "cmake", "Wicker", toolchain),
         "-DCMAKE_PREFIX_PATH=" + prefix],
        ["cmake", "--build", build],
    ):
        done = subprocess.run(command, env=environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              universal_newlines=True)
        if done.returncode != 0:
            sys.exit("%s failed:\n%s" % (" ".join(command), done.stdout))
    return build


if __name__ == "__main__":
    main()
