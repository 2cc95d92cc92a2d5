#!/usr/bin/env bash
# Runs a window test on a real X server (Xvfb), for what the offscreen
# platform cannot vary, such as the screen's dots per inch (QT_FONT_DPI) or
# its size (QAMAREL_XVFB_SCREEN, 1280x1024x24 unless given).
#   under_xvfb.sh TEST [ARGS...]
set -u
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "${QAMAREL_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
# Up to a minute on a loaded machine; at once when the server has given up.
for _ in $(seq 1200); do
    [ -s "$work/display" ] && break
    kill -0 $xvfb 2>/dev/null || break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb "$@"
