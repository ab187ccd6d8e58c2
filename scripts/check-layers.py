#!/usr/bin/env python3
"""Checks that the folders of src/ depend on each other one way only.

usage: check-layers.py [SOURCE_ROOT]

Each folder may include only folders of lower layers (and itself), and its
library in CMakeLists.txt links exactly the libraries of the folders it
includes. The simulated instrument (sim/, without its synth/ for tests) is
another program: of the program's code it takes only the serial line format.
Prints each wrong include or link list and exits 1 when there is one.
"""
import os
import re
import sys

# Lowest first. exchange/serial is a library of its own, below exchange.
LAYERS = [
    ["store", "exchange/serial"],
    ["gui"],
    ["trace", "exchange"],
    ["analysis"],
    ["report", "exporter", "tools"],
    ["app"],
]
LAYER = {folder: n for n, folders in enumerate(LAYERS) for folder in folders}
LIBRARY = {folder: "echolon_" + folder.split("/")[-1] for folder in LAYER}
SIM_MAY_INCLUDE = {"exchange/serial"}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
LIBRARY_CALL = re.compile(r"echolon_library\(\s*(\w+)(.*?)\)", re.S)


def folder_of(path):
    """The folder of src/ that an include path or a source file names, or None."""
    parts = path.split("/")
    if len(parts) > 2 and "/".join(parts[:2]) in LAYER:
        return "/".join(parts[:2])
    return parts[0] if len(parts) > 1 and parts[0] in LAYER else None


def sources(top):
    for folder, _, files in os.walk(top):
        for name in sorted(files):
            if name.endswith((".cpp", ".h")):
                yield os.path.join(folder, name)


def includes(path):
    with open(path, encoding="utf-8") as f:
        return INCLUDE.findall(f.read())


def linked(cmake_file):
    """The echolon libraries an echolon_library() call links."""
    with open(cmake_file, encoding="utf-8") as f:
        call = LIBRARY_CALL.search(f.read())
    if call is None:
        return None
    return set(re.findall(r"\becholon_\w+", call.group(2)))


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    src = os.path.join(root, "src")
    problems = []
    used = {folder: set() for folder in LAYER}
    for path in sources(src):
        rel = os.path.relpath(path, src)
        own = folder_of(rel)
        if own is None:
            problems.append(f"src/{rel}: in no folder of the layers; add its folder to scripts/check-layers.py")
            continue
        for target in includes(path):
            other = folder_of(target)
            if other is None or other == own:
                continue
            used[own].add(other)
            if LAYER[other] >= LAYER[own]:
                problems.append(f"src/{rel}: includes {target}, but {own} is not above {other}")

    for folder in LAYER:
        cmake_file = os.path.join(src, folder, "CMakeLists.txt")
        libs = linked(cmake_file)
        if libs is None:
            problems.append(f"src/{folder}/CMakeLists.txt: no echolon_library() call")
            continue
        wanted = {LIBRARY[other] for other in used[folder]}
        if libs != wanted:
            problems.append(f"src/{folder}/CMakeLists.txt: links {' '.join(sorted(libs)) or 'no library'}, "
                            f"but its includes need {' '.join(sorted(wanted)) or 'none'}")

    sim = os.path.join(root, "sim")
    for path in sources(sim):
        rel = os.path.relpath(path, root)
        if rel.startswith("sim/synth/"):
            continue
        for target in includes(path):
            other = folder_of(target)
            if other is not None and other not in SIM_MAY_INCLUDE:
                problems.append(f"{rel}: includes {target}; the simulator keeps to its own code "
                                f"and {', '.join(sorted(SIM_MAY_INCLUDE))}")

    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} problems with the layers (store, exchange/serial < gui < trace, exchange < analysis "
              f"< report, exporter, tools < app)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
