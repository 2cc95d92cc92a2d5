#!/usr/bin/python3
"""The program as a screen reader hears it: read through AT-SPI, every window a
person reaches (the form, the result window, the calendar, the exit window).
In each, every control that takes input has a name of its own, not empty and
not shared with another control of the window; every value of the reading is
readable as text and labelled by its caption.

  screen_reader_test.py PROGRAM XWINDOWS

Run on an X display, in a session bus of its own (screen_reader_test.sh), where
the accessibility bus is started on demand. Every wait is bounded.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

program, xwindows = sys.argv[1], sys.argv[2]

# Roles of the controls that take input, and of those whose insides are not walked.
INPUT = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX,
         pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON,
         pyatspi.ROLE_TABLE, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PASSWORD_TEXT}
LEAVES = INPUT | {pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE}
CAPTIONS = ["Lunar Mansion Name", "Arabic Name", "English Meaning", "Constellation", "Planetary Ruler", "Angel",
            "Attributes", "Famous Person", "Favorable Circumstances", "Unfavorable Circumstances"]

failures = []


def check(what, ok, detail=""):
    print(("ok   " if ok else "FAIL ") + what + (f": {detail}" if detail and not ok else ""))
    if not ok:
        failures.append(what)


def until(test, seconds=30.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            result = test()
        except Exception:  # an object that went away while it was read
            result = None
        if result:
            return result
        time.sleep(0.05)
    return None


def walk(node, depth=0):
    """The showing objects under a node, the node first; not inside lists, menus or input controls."""
    if depth > 30:
        return
    yield node
    if node.getRole() in LEAVES and depth > 0:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            yield from walk(child, depth + 1)


def text_of(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return None


def act(node, names=("Press", "press", "click", "Toggle", "activate")):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) in names:
            return actions.doAction(i)
    raise AssertionError(f"{node.name}: no action among {[actions.getName(i) for i in range(actions.nActions)]}")


def app_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window_with(app, test):
    """The first showing top-level window of the program holding an object that passes `test`."""
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            if any(test(n) for n in walk(window)):
                return window
    return None


def named(window, role, name):
    return next((n for n in walk(window) if n.getRole() == role and n.name == name), None)


def menu_item(window, name):
    bar = next((n for n in walk(window) if n.getRole() == pyatspi.ROLE_MENU_BAR), None)
    stack = [bar] if bar else []
    while stack:
        node = stack.pop()
        if node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name == name:
            return node
        stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
    return None


def check_inputs(title, window):
    """Every input control showing has a name, and no two share one."""
    names = {}
    for n in walk(window):
        if n.getRole() in INPUT:
            names.setdefault(n.name, []).append(n.getRoleName())
    check(f"{title}: input controls found", len(names) > 0)
    check(f"{title}: every input control has a name", "" not in names, f"unnamed: {names.get('', [])}")
    shared = {k: v for k, v in names.items() if len(v) > 1}
    check(f"{title}: no two input controls share a name", not shared, str(shared))
    return names


work = tempfile.mkdtemp()
env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=f"{work}/config", XDG_DATA_HOME=f"{work}/data",
           XDG_CACHE_HOME=f"{work}/cache", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
           QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", XDG_RUNTIME_DIR=f"{work}/run")
os.makedirs(f"{work}/run", mode=0o700)
process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL)
try:
    app = until(lambda: app_of(process.pid))
    check("the program is on the accessibility bus", app is not None)
    if app is None:
        sys.exit(1)

    # The form: the six lists by name, each its own.
    form = until(lambda: window_with(app, lambda n: n.getRole() == pyatspi.ROLE_COMBO_BOX))
    check("the form is shown", form is not None)
    names = check_inputs("form", form)
    for name in ["Month of birth", "Day of birth", "Year of birth", "Hour of birth", "Minute of birth",
                 "Second of birth"]:
        check(f"form: the list named \"{name}\"", names.get(name) == ["combo box"], str(names.get(name)))

    # A reading: the boxes typed into through their names, then Calculate.
    for name, value in [("Name", "Ada"), ("Longitude degrees", "0"), ("Longitude minutes", "7"),
                        ("Latitude degrees", "51"), ("Latitude minutes", "30"), ("Time zone hours", "0"),
                        ("Time zone minutes", "0")]:
        box = named(form, pyatspi.ROLE_TEXT, name)
        check(f"form: the box named \"{name}\"", box is not None)
        if box:
            box.queryEditableText().setTextContents(value)
    act(named(form, pyatspi.ROLE_PUSH_BUTTON, "Get My Arabic Lunar Mansion"))

    # The result window: each caption labels one value, read by its text.
    result = until(lambda: window_with(app, lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.name == CAPTIONS[0]))
    check("the result window is shown", result is not None)
    labelled = {}
    for n in walk(result):
        for relation in n.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    labelled.setdefault(relation.getTarget(i).name, []).append(n)
    for caption in CAPTIONS:
        values = labelled.get(caption, [])
        check(f"result: \"{caption}\" labels one value", len(values) == 1, str(len(values)))
        if len(values) == 1:
            value = values[0]
            shown = text_of(value)
            check(f"result: \"{caption}\" value is named by its text",
                  value.name not in ("", caption) and (shown is None or shown.replace("\n", " ") == value.name.replace("\n", " ")),
                  f"name {value.name!r}, text {shown!r}")
            print(f"     heard: {caption}: {value.name.splitlines()[0] if value.name else ''}")
    check_inputs("result", result)

    # The calendar, from the result window's File menu.
    item = menu_item(result, "Mansion Calendar\u2026")
    check("result: File > Mansion Calendar\u2026 is there", item is not None)
    act(item)
    calendar = until(lambda: window_with(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE))
    check("the calendar is shown", calendar is not None)
    names = check_inputs("calendar", calendar)
    for name in ["Month", "Year"]:
        check(f"calendar: the control named \"{name}\"", name in names)
    act(menu_item(calendar, "Close"))
    check("the calendar closes", until(lambda: window_with(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE) is None))

    # The exit window, when the result window is closed by its close box.
    role = subprocess.run([xwindows, "wait", "frmArabicLunarMansionResult"], capture_output=True, text=True)
    subprocess.run([xwindows, "close", role.stdout.strip()], check=True)
    leaving = until(lambda: window_with(app, lambda n: n.getRole() == pyatspi.ROLE_CHECK_BOX))
    check("the exit window is shown", leaving is not None)
    names = check_inputs("exit", leaving)
    for name in ["Your name", "Your email address", "Friend's name", "Friend's email address", "Your message"]:
        check(f"exit: the box named \"{name}\"", name in names)
finally:
    process.terminate()
    try:
        process.wait(timeout=20)
    except subprocess.TimeoutExpired:
        process.kill()
    shutil.rmtree(work, ignore_errors=True)

print("FAILED" if failures else "PASSED")
sys.exit(1 if failures else 0)
