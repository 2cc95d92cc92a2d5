#!/usr/bin/env bash
# qamarel --help, --help-all and --version, and the short forms -h and -v the
# reading tool takes too, where there is no display (no DISPLAY,
# WAYLAND_DISPLAY or QT_QPA_PLATFORM): printed on standard output with status
# 0, the same text as where there is one (the offscreen platform, asked for
# with Qt's own option, which the program leaves to its QApplication).
#   program_text_without_display_test.sh PROGRAM
set -u
program=$1
fail=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"

for option in --help -h --help-all --version -v; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$option" 2>"$work/err")
    status=$?
    shown=$(XDG_RUNTIME_DIR="$work/runtime" "$program" -platform offscreen "$option" 2>/dev/null)
    case $option:$out in
        --help:"Usage: $program [options] [reading.qmz]"*--version*) ;;
        -h:"Usage: $program [options] [reading.qmz]"*--version*) ;;
        --help-all:"Usage: $program [options] [reading.qmz]"*--version*-platform*) ;;
        --version:"qamarel "[0-9]*|-v:"qamarel "[0-9]*) ;;
        *) echo "FAIL $option without a display: status $status: [$out] $(cat "$work/err")"; fail=1; continue ;;
    esac
    [ "$status" = 0 ] || { echo "FAIL $option without a display: status $status"; fail=1; }
    [ "$out" = "$shown" ] || { echo "FAIL $option without a display: [$out], with one: [$shown]"; fail=1; }
done

[ $fail = 0 ] && echo "ok: --help, -h, --help-all, --version and -v without a display"
exit $fail
