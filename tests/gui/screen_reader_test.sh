#!/usr/bin/env bash
# The screen reader's test (screen_reader_test.py) in a session bus of its own,
# where D-Bus starts the accessibility bus when the program asks for it, on an
# X display of its own.
#   screen_reader_test.sh PROGRAM
set -u
here=$(cd "$(dirname "$0")" && pwd)
exec dbus-run-session -- "$here/under_xvfb.sh" /usr/bin/python3 "$here/screen_reader_test.py" "$1" \
    "$here/../e2e/xwindows.py"
