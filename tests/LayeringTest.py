#!/usr/bin/env python3
"""The folders depend one way, as docs/architecture.dot draws them.

Reads the arrows of the drawing and every #include "folder/..." of the
components' sources, and fails (status 1, one line a fault) when
  - the drawing has a circle,
  - a file includes from a folder its own folder does not reach by arrows,
  - the core or base include a header outside the C++ standard library (Qt,
    POSIX or any other), which would tie the computation to a platform,
  - two files include each other, directly or round a longer circle (a
    header and its .cpp count as one).
Usage: LayeringTest.py SOURCE_DIR
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
drawing = (root / "docs" / "architecture.dot").read_text()
arrows = re.findall(r"^\s*(\w+)\s*->\s*(\w+)\s*;", drawing, re.M)
folders = set(re.findall(r"^\s*(\w+)\s*\[label=", drawing, re.M))
faults = []

below = {f: set() for f in folders}
for source, target in arrows:
    if source not in folders or target not in folders:
        faults.append(f"architecture.dot: arrow {source} -> {target} names a folder the drawing lacks")
        continue
    below[source].add(target)


def reach(folder, path=()):
    """Every folder below `folder`; a circle is a fault."""
    seen = set()
    for nxt in below[folder]:
        if nxt in path or nxt == folder:
            faults.append("architecture.dot: circle " + " -> ".join(path + (folder, nxt)))
            continue
        seen |= {nxt} | reach(nxt, path + (folder,))
    return seen


allowed = {f: reach(f) | {f} for f in folders}

# The picture kept beside the drawing (docs/architecture.svg, rendered by
# Graphviz) shows the same arrows.
picture = root / "docs" / "architecture.svg"
drawn = set(re.findall(r"<title>(\w+)&#45;&gt;(\w+)</title>", picture.read_text())) if picture.exists() else set()
if drawn != set(arrows):
    faults.append("docs/architecture.svg is not the picture of architecture.dot: "
                  "dot -Tsvg docs/architecture.dot -o docs/architecture.svg")

# The C++ standard library's headers, and nothing else, in the core and base.
standard = set("""algorithm any array atomic bitset cassert cctype cerrno cfloat charconv chrono cinttypes
climits clocale cmath cstddef cstdint cstdio cstdlib cstring ctime cwchar deque exception functional
initializer_list iomanip ios iosfwd iostream istream iterator limits list locale map memory numeric
optional ostream queue random ratio set sstream stack stdexcept streambuf string string_view
system_error tuple type_traits unordered_map unordered_set utility variant vector""".split())
platform_free = {"core", "base"}
# The headers of base/ that bridge to the platform, for the components above the core.
platform_bridges = {"base/UniqueFd.h", "base/QtStdText.h", "base/CompanionModules.cpp", "base/MappedFile.cpp"}

for folder in sorted(folders):
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in (".h", ".cpp", ".in"):
            continue
        name = path.relative_to(root).as_posix()
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            own = re.match(r'\s*#\s*include\s+"(\w+)/', line)
            if own and own.group(1) in folders and own.group(1) not in allowed[folder]:
                faults.append(f"{name}:{number}: {folder}/ must not include {own.group(1)}/ ({line.strip()})")
            system = re.match(r"\s*#\s*include\s+<([^>]+)>", line)
            if (system and folder in platform_free and system.group(1) not in standard
                    and name not in platform_bridges):
                faults.append(f"{name}:{number}: {folder}/ uses only the standard library ({line.strip()})")

# Between files: X.h and X.cpp are one unit; a unit reaches the units its
# files include; no unit reaches itself.
units = {}
for folder in sorted(folders):
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        unit = path.relative_to(root).with_suffix("").as_posix()
        for line in path.read_text(errors="replace").splitlines():
            own = re.match(r'\s*#\s*include\s+"((\w+)/[^"]+)\.h"', line)
            if own and own.group(2) in folders and own.group(1) != unit:
                units.setdefault(unit, set()).add(own.group(1))


def circle(start):
    """A path from `start` back to it, or None."""
    stack, seen = [(start, (start,))], set()
    while stack:
        unit, path = stack.pop()
        for nxt in units.get(unit, ()):
            if nxt == start:
                return path + (start,)
            if nxt not in seen:
                seen.add(nxt)
                stack.append((nxt, path + (nxt,)))
    return None


reported = set()
for unit in sorted(units):
    found = circle(unit)
    if found and frozenset(found) not in reported:
        reported.add(frozenset(found))
        faults.append("files include each other: " + " -> ".join(found))

for fault in faults:
    print("FAIL", fault)
if not faults:
    print(f"ok: {len(folders)} folders, {len(arrows)} arrows, no circle, every include goes down")
sys.exit(1 if faults else 0)
