#!/usr/bin/env python3
"""LayeringTest.py on copies of the tree, each with one fault planted: it must
fail on each and name the fault, and pass on the copy as it is.
Usage: LayeringSelfTest.py SOURCE_DIR"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

root = pathlib.Path(sys.argv[1]).resolve()
layering = pathlib.Path(__file__).with_name("LayeringTest.py")
folders = re.findall(r"^\s*(\w+)\s*\[label=", (root / "docs" / "architecture.dot").read_text(), re.M)


def append(path, text):
    return lambda tree: (tree / path).write_text((tree / path).read_text() + text)


def replace(path, old, new):
    def plant(tree):
        text = (tree / path).read_text()
        if old not in text:
            raise SystemExit(f"LayeringSelfTest: {old!r} is not in {path}; the plant needs another place")
        (tree / path).write_text(text.replace(old, new, 1))
    return plant


def new_folder(tree):
    (tree / "astro").mkdir()
    (tree / "astro" / "Moon.h").write_text("#pragma once\n")
    append("core/JulianDay.cpp", '#include "astro/Moon.h"\n')(tree)


# What is planted, and what the failure must say.
plants = [
    ("an include in angle brackets", append("pictures/MansionWheel.cpp", "#include <windows/frmMain.h>\n"),
     "pictures/ must not include windows/"),
    ("a relative include", append("pictures/MansionWheel.cpp", '#include "../windows/frmMain.h"\n'),
     "pictures/ must not include windows/"),
    ("an include from a folder not drawn", new_folder, "core/ includes from astro/, which architecture.dot does not draw"),
    ("a component built but not drawn", append("CMakeLists.txt", "add_subdirectory(astro)\n"),
     "CMakeLists.txt builds astro/, which architecture.dot does not draw"),
    ("a link against the arrows", replace("core/CMakeLists.txt", "PUBLIC qamarel_base", "PUBLIC qamarel_base qamarel_windows"),
     "core/CMakeLists.txt: qamarel_core must not link qamarel_windows of windows/"),
    ("a label changed, the picture not", replace("docs/architecture.dot", "standard library only", "the computation"),
     "docs/architecture.svg is not the picture of architecture.dot (folders core)"),
    ("an arrow added, the picture not", replace("docs/architecture.dot", "core -> base;", "core -> base;\n    core -> files;"),
     "docs/architecture.svg is not the picture of architecture.dot (arrows)"),
    ("a circle in the drawing", replace("docs/architecture.dot", "core -> base;", "core -> base;\n    base -> core;"),
     "architecture.dot: circle"),
    ("a Qt header in the core", append("core/JulianDay.cpp", "#include <QString>\n"),
     "core/ uses only the standard library"),
    ("two files including each other", append("core/ClockText.h", '#include "core/MansionPassage.h"\n'),
     "files include each other"),
]

faults = []
with tempfile.TemporaryDirectory() as work:
    def copy(name):
        tree = pathlib.Path(work) / name
        for part in folders + ["docs"]:
            shutil.copytree(root / part, tree / part)
        shutil.copy(root / "CMakeLists.txt", tree / "CMakeLists.txt")
        return tree

    def run(tree):
        done = subprocess.run([sys.executable, str(layering), str(tree)], capture_output=True, text=True, timeout=120)
        return done.returncode, done.stdout

    status, out = run(copy("clean"))
    if status != 0:
        faults.append(f"the copy as it is fails: {out.strip()}")
    for number, (what, plant, said) in enumerate(plants):
        tree = copy(f"plant{number}")
        plant(tree)
        status, out = run(tree)
        if status != 1 or said not in out:
            faults.append(f"{what}: status {status}, expected a line with {said!r}; got {out.strip()!r}")

for fault in faults:
    print("FAIL", fault)
print(f"ok: {len(plants)} planted faults found" if not faults else f"{len(faults)} faults")
sys.exit(1 if faults else 0)
