#!/usr/bin/env python3
"""Every program and library built in the build tree finds its libraries only
in named folders: each RUNPATH or RPATH entry is an absolute folder or begins
with $ORIGIN. An empty or relative entry means the folder the user stands in,
where a planted library would run its code inside the program.
Reads each ELF file's dynamic section with readelf (binutils); fails, one
line a fault, also when one of the files named after the build folder was not
among those read.
Usage: runpath_test.py BUILD_DIR FILE..."""
import os
import pathlib
import re
import subprocess
import sys

build = pathlib.Path(sys.argv[1]).resolve()
expected = {pathlib.Path(f).resolve() for f in sys.argv[2:]}
faults = []
read = set()


def is_linked_elf(path):
    """An ELF executable or shared library (type 2 or 3), not an object file."""
    try:
        with open(path, "rb") as f:
            head = f.read(18)
    except OSError:
        return False
    if len(head) < 18 or head[:4] != b"\x7fELF":
        return False
    order = "little" if head[5] == 1 else "big"
    return int.from_bytes(head[16:18], order) in (2, 3)


for folder, _, names in os.walk(build):
    for name in names:
        path = pathlib.Path(folder, name)
        if path.is_symlink() or not is_linked_elf(path):
            continue
        read.add(path)
        shown = path.relative_to(build)
        done = subprocess.run(["readelf", "-d", "-W", str(path)], capture_output=True, text=True)
        if done.returncode != 0:
            faults.append(f"{shown}: readelf: {done.stderr.strip()}")
            continue
        for kind, value in re.findall(r"\((RUNPATH|RPATH)\)\s+Library \w+: \[(.*)\]", done.stdout):
            bad = [e for e in value.split(":") if not (e.startswith("/") or e.startswith("$ORIGIN"))]
            if bad:
                faults.append(f"{shown}: {kind} [{value}] has {len(bad)} empty or relative "
                              "entries, which the dynamic linker takes from the current folder")

for path in sorted(expected - read):
    faults.append(f"{path}: not read (missing, or not an ELF program or library)")

for fault in faults:
    print("FAIL", fault)
if not faults:
    print(f"ok: {len(read)} ELF files, every RUNPATH entry absolute or from $ORIGIN")
sys.exit(1 if faults else 0)
