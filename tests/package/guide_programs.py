#!/usr/bin/env python3
"""The guide's programs, built and run as a reader builds them.

Every code block of docs/guide/*.md that follows a
"<!-- program: <name>.cpp | <caption> -->" line is a whole program: each is
written into an empty folder as one executable of a project configured with
nothing but the installed package's toolchain file and prefix, and built.
(The pieces after "<!-- compiled: <name>.cpp -->" lines are compiled by
readme_snippets.py.) Then every program is started and must show a window whose caption starts with
<caption>, and end when asked (launch_check).

    guide_programs.py build <guide folder> <package> <toolchain file name> <folder to make>
    guide_programs.py run <folder made> <launch_check and the command before it...>
    guide_programs.py pictures <folder made> <folder for pictures> <command before a program...>
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from readme_recipe import build_project, code_blocks  # noqa: E402


def guide_blocks(guide, kind):
    """{name: text} of the blocks of a kind in every chapter, and {name: caption}."""
    blocks = {}
    captions = {}
    for chapter in sorted(glob.glob(os.path.join(guide, "*.md"))):
        text = open(chapter, encoding="utf-8").read()
        for name, caption in re.findall(r"^<!-- " + kind + r": (\S+) \| (.+?) -->$", text, re.M):
            captions[name] = caption
        found = code_blocks(text, kind)
        for name in found:
            if name in blocks:
                sys.exit("two guide blocks are named %s" % name)
        blocks.update(found)
    return blocks, captions


def build(guide, prefix, toolchain, folder):
    programs, captions = guide_blocks(guide, "program")
    if not programs:
        sys.exit("the guide has no programs")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    lists = ["cmake_minimum_required(VERSION 3.16)", "project(guide CXX)",
             "find_package(Wicker 1.0 REQUIRED)"]
    for name, text in sorted(programs.items()):
        with open(os.path.join(folder, name), "w", encoding="utf-8") as out:
            out.write(text)
        target = name[:-4]
        lists += ["add_executable(%s WIN32 %s)" % (target, name),
                  "target_link_libraries(%s PRIVATE Wicker::wicker)" % target,
                  "wicker_add_manifest(%s)" % target]
    with open(os.path.join(folder, "CMakeLists.txt"), "w") as out:
        out.write("\n".join(lists) + "\n")
    with open(os.path.join(folder, "programs.txt"), "w") as out:
        for name in sorted(programs):
            out.write("%s.exe\t%s\n" % (name[:-4], captions[name]))
    print("built %d guide programs in %s" % (len(programs), build_project(folder, prefix, toolchain)))


def listed(folder):
    with open(os.path.join(folder, "programs.txt")) as found:
        return [line.rstrip("\n").split("\t") for line in found if line.strip()]


def run(folder, command):
    failed = []
    where = "Z:" + os.path.join(folder, "build")
    for program, caption in listed(folder):
        done = subprocess.run(command + [where, program, caption])
        print("%s: %s" % (program, "ran" if done.returncode == 0 else "FAILED"))
        if done.returncode != 0:
            failed.append(program)
    if failed:
        sys.exit("guide programs that did not start and end: " + ", ".join(failed))


def pictures(folder, out, command):
    """Each program alone on a black screen (under Xvfb), the screen cut to
    what is not black: the program's window."""
    os.makedirs(out, exist_ok=True)
    for program, _ in listed(folder):
        name = program[:-4].replace("_", "-")
        started = subprocess.Popen(command + [program], cwd=os.path.join(folder, "build"))
        time.sleep(float(os.environ.get("GUIDE_PICTURE_WAIT", "6")))
        screen = os.path.join(out, "screen.png")
        subprocess.run(["import", "-window", "root", screen])
        subprocess.run(["convert", screen, "-trim", "+repage", os.path.join(out, name + ".png")])
        os.remove(screen)
        started.kill()
        started.wait()
        print("saved", name + ".png")


def main():
    mode = sys.argv[1]
    if mode == "build":
        build(*sys.argv[2:6])
    elif mode == "run":
        run(sys.argv[2], sys.argv[3:])
    elif mode == "pictures":
        pictures(sys.argv[2], sys.argv[3], sys.argv[4:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
