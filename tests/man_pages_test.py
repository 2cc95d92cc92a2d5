#!/usr/bin/env python3
"""The manual pages: groff renders them without a warning, no line of
alternating fonts runs two words together, and every option the programs
take is in its page.

    man_pages_test.py PAGES_DIR QAMAREL QAMAREL_READING OPTION_TABLE
"""
import re
import subprocess
import sys

pages, program, tool, table = sys.argv[1:5]
failures = []

ALTERNATING = (".BR", ".BI", ".IB", ".IR", ".RB", ".RI")


def arguments(line):
    """A macro line's arguments as groff splits them: (text, quoted)."""
    args, i = [], 0
    while i < len(line):
        if line[i] in " \t":
            i += 1
        elif line[i] == '"':
            end = i + 1
            while end < len(line) and not (line[end] == '"' and line[end + 1:end + 2] != '"'):
                end += 2 if line[end:end + 2] == '""' else 1
            args.append((line[i + 1:end], True))
            i = end + 1
        else:
            end = i
            while end < len(line) and line[end] not in " \t":
                end += 1
            args.append((line[i:end], False))
            i = end
    return args


def run_together(page, source):
    """Lines of alternating fonts whose fonts' change joins two words."""
    for number, line in enumerate(source.splitlines(), 1):
        macro = line.split(" ", 1)[0]
        if macro not in ALTERNATING:
            continue
        args = arguments(line[len(macro):])
        for (first, quoted_first), (second, quoted_second) in zip(args, args[1:]):
            if not (quoted_first or quoted_second) and re.search(r"[A-Za-z0-9]$", first) and re.match(r"[A-Za-z0-9]", second):
                failures.append(f"{page}:{number}: '{first}' and '{second}' run together: {line}")
                break


def rendered(path):
    """The page as text, with plain hyphens and without hyphenation."""
    result = subprocess.run(["groff", "-man", "-Tutf8", "-rHY=0", "-P-cbou", path],
                            capture_output=True, text=True, check=True)
    return result.stdout.replace("\u2212", "-").replace("\u2010", "-")


def options_in(text):
    return set(re.findall(r"(?<![\w-])(--[a-z][a-z-]*[a-z]|-[a-zA-Z])(?![\w-])", text))


def help_text(command):
    """Standard output of `command --help`, where there is no display."""
    env = {"PATH": "/usr/bin:/bin", "LANG": "C.UTF-8"}
    return subprocess.run([command, "--help"], capture_output=True, text=True, env=env, check=True).stdout


for page in ("qamarel.1", "qamarel-reading.1"):
    path = f"{pages}/{page}"
    check = subprocess.run(["groff", "-man", "-ww", "-z", path], capture_output=True, text=True)
    if check.returncode != 0 or check.stderr:
        failures.append(f"{page}: groff -ww: status {check.returncode}: {check.stderr.strip()}")
    with open(path, encoding="utf-8") as source:
        run_together(page, source.read())

# The tool's options: those of its table in the source and those its --help names.
with open(table, encoding="utf-8") as source:
    table_options = set()
    for name, alias in re.findall(r'^\s*\{"(--[a-z-]+)", "(-?[a-zA-Z]?)"', source.read(), re.M):
        table_options.add(name)
        if alias:
            table_options.add(alias)
if len(table_options) < 10:
    failures.append(f"the option table in {table} was not read: {sorted(table_options)}")
tool_page = options_in(rendered(f"{pages}/qamarel-reading.1"))
for option in sorted(table_options | options_in(help_text(tool))):
    if option not in tool_page:
        failures.append(f"qamarel-reading(1) does not mention {option}")

program_options = options_in(help_text(program))
if "--help" not in program_options:
    failures.append(f"qamarel --help names no options: {sorted(program_options)}")
program_page = options_in(rendered(f"{pages}/qamarel.1"))
for option in sorted(program_options):
    if option not in program_page:
        failures.append(f"qamarel(1) does not mention {option}")

for failure in failures:
    print("FAIL", failure)
if not failures:
    print("ok: both pages render without warnings and name every option")
sys.exit(1 if failures else 0)
