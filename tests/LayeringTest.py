#!/usr/bin/env python3
"""The folders depend one way, as docs/architecture.dot draws them.

Reads the drawing's folders and arrows, every #include of the components'
sources (quoted or in angle brackets, from the top folder or relative to the
file) and every target_link_libraries of their CMakeLists.txt, and fails
(status 1, one line a fault) when
  - the drawing has a circle, or an arrow names a folder it lacks,
  - a folder the top CMakeLists.txt builds as a component is not drawn, or a
    drawn folder is not built,
  - a file includes from a folder its own folder does not reach by arrows,
    or from a folder of the tree that is not drawn,
  - a target links a target of a folder its own folder does not reach,
  - the core or base include a header outside the C++ standard library (Qt,
    POSIX or any other), which would tie the computation to a platform,
  - two files include each other, directly or round a longer circle (a
    header and its .cpp count as one),
  - docs/architecture.svg shows other folders, labels, colours or arrows than
    the drawing.
Usage: LayeringTest.py SOURCE_DIR
"""
import html
import pathlib
import posixpath
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
drawing = (root / "docs" / "architecture.dot").read_text()
arrows = re.findall(r"^\s*(\w+)\s*->\s*(\w+)\s*;", drawing, re.M)
labels = dict(re.findall(r'^\s*(\w+)\s*\[label="((?:[^"\\]|\\.)*)"', drawing, re.M))
folders = set(labels)
faults = []

# The folders the top CMakeLists.txt adds beside the components: tests,
# benchmarks, fuzzing and packaging, which no component may include.
beside = {"tests", "bench", "fuzz", "packaging"}
built = set(re.findall(r"^\s*add_subdirectory\(\s*(\w+)\s*\)", (root / "CMakeLists.txt").read_text(), re.M))
for folder in sorted(built - beside - folders):
    faults.append(f"CMakeLists.txt builds {folder}/, which architecture.dot does not draw")
for folder in sorted(folders - built):
    faults.append(f"architecture.dot draws {folder}/, which CMakeLists.txt does not build")

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
# Graphviz) shows the same folders with the same labels and colours, and the
# same arrows.
default_fill = re.search(r"^\s*node\s*\[[^]]*fillcolor=\"([^\"]+)\"", drawing, re.M)
fills = {name: (re.search(rf'^\s*{name}\s*\[[^]]*fillcolor="([^"]+)"', drawing, re.M) or default_fill).group(1)
         for name in folders}
drawn_nodes = {name: (tuple(line.strip() for line in label.split("\\n")), fills[name]) for name, label in labels.items()}
picture = root / "docs" / "architecture.svg"
svg = picture.read_text() if picture.exists() else ""
pictured_nodes = {}
for name, body in re.findall(r'<g id="node\d+" class="node">\s*<title>(\w+)</title>(.*?)</g>', svg, re.S):
    texts = tuple(" ".join(html.unescape(t).replace("\xa0", " ").split())
                  for t in re.findall(r"<text[^>]*>(.*?)</text>", body, re.S))
    fill = re.search(r'fill="([^"]+)"', body)
    pictured_nodes[name] = (texts, fill.group(1) if fill else "")
drawn_nodes = {n: (tuple(" ".join(t.split()) for t in texts), fill) for n, (texts, fill) in drawn_nodes.items()}
pictured_arrows = set(re.findall(r"<title>(\w+)&#45;&gt;(\w+)</title>", svg))
if pictured_nodes != drawn_nodes or pictured_arrows != set(arrows):
    differ = sorted(n for n in folders | set(pictured_nodes) if drawn_nodes.get(n) != pictured_nodes.get(n))
    faults.append("docs/architecture.svg is not the picture of architecture.dot"
                  + (f" (folders {', '.join(differ)})" if differ else " (arrows)")
                  + ": dot -Tsvg docs/architecture.dot -o docs/architecture.svg")

# The C++ standard library's headers, and nothing else, in the core and base.
standard = set("""algorithm any array atomic bitset cassert cctype cerrno cfloat charconv chrono cinttypes
climits clocale cmath cstddef cstdint cstdio cstdlib cstring ctime cwchar deque exception functional
initializer_list iomanip ios iosfwd iostream istream iterator limits list locale map memory mutex numeric
optional ostream queue random ratio set sstream stack stdexcept streambuf string string_view
system_error tuple type_traits unordered_map unordered_set utility variant vector""".split())
platform_free = {"core", "base"}
# The headers of base/ that bridge to the platform, for the components above the core.
platform_bridges = {"base/UniqueFd.h", "base/QtStdText.h", "base/CompanionModules.cpp", "base/PagedFile.cpp"}
top_folders = {p.name for p in root.iterdir() if p.is_dir() and not p.name.startswith(".")}
include = re.compile(r'\s*#\s*include\s*([<"])([^>"]+)[>"]')


def resolve(name, path):
    """The file of the tree an include names, relative to the top folder
    ("windows/frmMain.h"), or None for a header from outside the tree. A
    quoted name is looked for beside the file first; a name that leaves its
    folder ("../x/y.h") is taken where it leads."""
    here = path.parent.relative_to(root).as_posix()
    candidates = ([posixpath.normpath(posixpath.join(here, name))] if name.startswith(".") else [])
    if not candidates:
        candidates = [posixpath.normpath(posixpath.join(here, name)), posixpath.normpath(name)]
    for candidate in candidates:
        if not candidate.startswith("..") and (root / candidate).is_file():
            return candidate
    first = candidates[-1].split("/")[0]
    # A generated header (base/ProgramVersion.h) is not in the tree but its folder is.
    return candidates[-1] if "/" in candidates[-1] and first in top_folders else None


for folder in sorted(folders):
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in (".h", ".cpp", ".in"):
            continue
        name = path.relative_to(root).as_posix()
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            found = include.match(line)
            if not found:
                continue
            target = resolve(found.group(2), path)
            other = target.split("/")[0] if target else None
            if other and other not in folders:
                faults.append(f"{name}:{number}: {folder}/ includes from {other}/, which architecture.dot does not draw "
                              f"({line.strip()})")
            elif other and other not in allowed[folder]:
                faults.append(f"{name}:{number}: {folder}/ must not include {other}/ ({line.strip()})")
            if (found.group(1) == "<" and not target and folder in platform_free
                    and found.group(2) not in standard and name not in platform_bridges):
                faults.append(f"{name}:{number}: {folder}/ uses only the standard library ({line.strip()})")

# Targets, each of the folder whose CMakeLists.txt makes it; a folder links
# only targets of the folders it reaches.
owner = {}
lists = {folder: re.sub(r"#[^\n]*", "", (root / folder / "CMakeLists.txt").read_text())
         for folder in sorted(folders) if (root / folder / "CMakeLists.txt").is_file()}
for folder, text in lists.items():
    for target in re.findall(r"\badd_(?:library|executable)\(\s*([\w-]+)", text):
        owner[target] = folder
for folder, text in lists.items():
    for args in re.findall(r"\btarget_link_libraries\(([^)]*)\)", text):
        words = args.split()
        for linked in words[1:]:
            other = owner.get(linked)
            if other and other not in allowed[folder]:
                faults.append(f"{folder}/CMakeLists.txt: {words[0]} must not link {linked} of {other}/")

# Between files: X.h and X.cpp are one unit; a unit reaches the units its
# files include; no unit reaches itself.
units = {}
for folder in sorted(folders):
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        unit = path.relative_to(root).with_suffix("").as_posix()
        for line in path.read_text(errors="replace").splitlines():
            found = include.match(line)
            target = resolve(found.group(2), path) if found else None
            if target and target.endswith(".h") and target.split("/")[0] in folders and target[:-2] != unit:
                units.setdefault(unit, set()).add(target[:-2])


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
    print(f"ok: {len(folders)} folders, {len(arrows)} arrows, no circle, every include and link goes down")
sys.exit(1 if faults else 0)
