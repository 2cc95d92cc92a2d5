#!/usr/bin/env bash
# The programs started from a folder that holds libraries under the names of
# those they need (libraries that leave a mark when loaded, as libgeonames and
# as Qt's): they load the system's, never the folder's.
#   current_folder_libraries_test.sh TOOL PROGRAM NAME=PLANTED_LIBRARY...
set -u
tool=$1 program=$2
shift 2
fail=0
# In the folder the test runs in (the build tree), not in TMPDIR, which may
# forbid running code from its files.
work=$(mktemp -d "$PWD/current-folder.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
for planted in "$@"; do
    cp "${planted#*=}" "$work/${planted%%=*}"
done
cd "$work" || exit 1

ran() {  # ran WHAT: fails when the planted library left its mark; removes it
    if [ -e planted-library-ran ]; then
        echo "FAIL $1 ran the code of a library in the current folder"
        fail=1
        rm -f planted-library-ran
    fi
}

# Each planted library does leave its mark when it is loaded.
for planted in "$@"; do
    LD_PRELOAD="$work/${planted%%=*}" sh -c : 2>/dev/null
    [ -e planted-library-ran ] || { echo "FAIL ${planted%%=*} left no mark when preloaded"; exit 1; }
    rm -f planted-library-ran
done

# The runs work as from any other folder.
out=$("$tool" --places London 2>"$work/err")
status=$?
ran "qamarel-reading --places London"
case $status:$out in
    0:"London, England, United Kingdom"*) ;;
    *) echo "FAIL qamarel-reading --places London: status $status: $out $(cat "$work/err")"; fail=1 ;;
esac

out=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" "$program" --version 2>"$work/err")
status=$?
ran "qamarel --version"
case $status:$out in
    "0:qamarel "[0-9]*) ;;
    *) echo "FAIL qamarel --version: status $status: $out $(cat "$work/err")"; fail=1 ;;
esac

[ $fail = 0 ] && echo "ok: no library taken from the current folder"
exit $fail
