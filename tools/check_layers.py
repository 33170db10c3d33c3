#!/usr/bin/env python3
"""Checks every quoted include against the layers: a folder never includes one above it, the two
programs and the log library never include each other, the Qt-free libraries never include Qt, and
the emulated Windows machine is included only by its factory, quillet-env, tests and fuzz targets.

usage: check_layers.py [REPOSITORY]   (default: the repository this script is in)
Prints each offending include as FILE:LINE: ... and exits 1 when there is one.
"""
import os
import re
import sys

# Include roots, in the order the compiler searches them: "common/Cp932.h", "document/QsoList.h",
# "services/platform/Platform.h".
INCLUDE_ROOTS = ["", "contest", "setup"]

# Each program's folders from the bottom up; a folder may include its own files and those below.
# common (and common/qt above it) lies under both programs.
PROGRAMS = {
    "contest": ["app", "exchange", "document", "qso", "print", "frame", "main.cpp"],
    "setup": ["services", "uninstall", "install", "ui", "main.cpp"],
}
# Programs beside the engine that sit on top of its layers.
TOOLS = {"setup/QuilletEnv.cpp": "setup"}

POSIX = "setup/services/platform/posix/"
POSIX_USERS = ("setup/services/platform/PlatformFactory.cpp", "setup/QuilletEnv.cpp")
FREE_FOLDERS = ("tests/", "fuzz/", "bench/", "tools/")

SOURCE = re.compile(r"\.(h|hpp|cpp|c)$")
QUOTED = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
QT = re.compile(r"^\s*#\s*include\s*<(Q[A-Za-z0-9_]*|Qt[A-Za-z]*/[^>]*)>")
QT_SOURCES = re.compile(r"target_sources\(\s*korvane_ui\s+PRIVATE([^)]*)\)", re.S)


def layer(path):
    """(world, rank) of a source file: world is common, hamlog32, contest or setup."""
    if path.startswith("common/qt/"):
        return ("common", 1)
    if path.startswith("common/"):
        return ("common", 0)
    if path.startswith("hamlog32/"):
        return ("hamlog32", 2)
    if path in TOOLS:
        return (TOOLS[path], 2 + len(PROGRAMS[TOOLS[path]]))
    for program, folders in PROGRAMS.items():
        if path.startswith(program + "/"):
            first = path.split("/")[1]
            if first in folders:
                return (program, 2 + folders.index(first))
    return None


def qt_files(root):
    """The Qt files of korvane's folders, as their CMake lists name them, with their headers."""
    found = set()
    for folder, _, names in os.walk(os.path.join(root, "contest")):
        if "CMakeLists.txt" not in names:
            continue
        text = open(os.path.join(folder, "CMakeLists.txt"), encoding="utf-8").read()
        rel = os.path.relpath(folder, root).replace(os.sep, "/")
        for block in QT_SOURCES.findall(text):
            for name in block.split():
                stem = re.sub(SOURCE, "", f"{rel}/{name}")
                found.update({stem + ".h", stem + ".cpp"})
    return found


def qt_free(path, qt):
    """True for files of the libraries that never include Qt."""
    if path.startswith("common/qt/"):
        return False
    if path.startswith(("common/", "hamlog32/")):
        return True
    if path.startswith(("setup/services/", "setup/uninstall/", "setup/install/")):
        return True
    return path.startswith("contest/") and path != "contest/main.cpp" and path not in qt


def is_qt(path, qt):
    return path.startswith(("common/qt/", "setup/ui/")) or path in qt


def sources(root):
    skip = {".git", "build"}
    for folder, dirs, names in os.walk(root):
        dirs[:] = sorted(d for d in dirs if d not in skip and not d.startswith("."))
        for name in sorted(names):
            if SOURCE.search(name):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def resolve(root, name):
    for base in INCLUDE_ROOTS:
        candidate = os.path.normpath(os.path.join(base, name)).replace(os.sep, "/")
        if os.path.isfile(os.path.join(root, candidate)):
            return candidate
    return None


def problems(root):
    qt = qt_files(root)
    for path in sources(root):
        lines = open(os.path.join(root, path), encoding="utf-8", errors="replace").readlines()
        for number, line in enumerate(lines, 1):
            where = f"{path}:{number}"
            if QT.match(line) and qt_free(path, qt):
                yield f"{where}: {line.strip()} in a Qt-free library"
                continue
            m = QUOTED.match(line)
            if not m:
                continue
            name = m.group(1)
            target = resolve(root, name)
            if target is None:
                yield f'{where}: "{name}" names no file from the include roots (name its folder)'
                continue
            complaint = judge(path, target, qt)
            if complaint:
                yield f'{where}: "{name}" {complaint}'


def judge(path, target, qt):
    """Why an include of target from path is against the layers, or None."""
    own, theirs = layer(path), layer(target)
    free_file = path.startswith(FREE_FOLDERS)
    if target.startswith(POSIX) and not (path.startswith(POSIX) or path in POSIX_USERS or free_file):
        return "is private to the emulated platform"
    if qt_free(path, qt) and is_qt(target, qt):
        return "is a Qt file, included from a Qt-free library"
    if free_file or own is None or theirs is None:
        return None
    if theirs[0] != "common" and theirs[0] != own[0]:
        return f"belongs to {theirs[0]}, which {own[0]} never includes"
    if theirs[1] > own[1]:
        return f"lies above {os.path.dirname(path)}"
    return None


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(__file__))
    found = list(problems(os.path.abspath(root)))
    for p in found:
        print(p)
    if found:
        print(f"{len(found)} include(s) against the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
