#!/usr/bin/env bash
# End-to-end: installs the program into a scratch prefix and uses it as a
# person does, under Xvfb, with the keyboard (xdotool) and the close box.
# Every wait is bounded; none is a fixed pause.
#   e2e_test.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
xwin="$here/xwindows.py"

for tool in Xvfb xdotool xprop pdftotext xdg-mime gio update-mime-database update-desktop-database /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "SKIP: python3-xlib is not installed"; exit 77; }

work=$(mktemp -d)
prefix="$work/prefix"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail=0
check() {  # check WHAT WANTED GOT
    if [ "$2" == "$3" ]; then echo "ok   $1"; else echo "FAIL $1: wanted [$2], got [$3]"; fail=1; fi
}
die() { echo "FAIL $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || die "cmake --install"

# A user of our own: fresh home, settings, runtime folder and desktop data.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run" XDG_DATA_DIRS="$prefix/share:/usr/local/share:/usr/share"
export PATH="$prefix/bin:$PATH"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
update-mime-database "$prefix/share/mime" >/dev/null
update-desktop-database "$prefix/share/applications"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
number=$(head -n 1 "$work/display")
[ -n "$number" ] || die "Xvfb did not start"
export DISPLAY=":$number"

start() {  # start ARGS...: sets $started to the new process
    "$prefix/bin/qamarel" "$@" >/dev/null 2>&1 &
    started=$!
    pids+=("$started")
}
wait_end() {  # wait_end PID: waits up to 10 s for a child to end; sets $status ("running" if it did not)
    status=running
    for _ in $(seq 200); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1" 2>/dev/null
            status=$?
            return
        fi
        sleep 0.05
    done
}
message() {  # waits for a message box (window title "Qamarel") and prints its id
    xdotool search --sync --onlyvisible --name '^Qamarel$' 2>/dev/null | head -n 1
}
focus() { xdotool windowfocus --sync "$1"; }
wait_file() { for _ in $(seq 200); do [ -s "$1" ] && return 0; sleep 0.05; done; return 1; }
save_to() {  # save_to WINDOW FILE: File > Save from a result window, typing the name
    focus "$1"
    xdotool key alt+s
    dialog=$(xdotool search --sync --onlyvisible --name '^Save$' | head -n 1)
    focus "$dialog"
    xdotool key ctrl+a
    xdotool type --delay 5 "$2"
    xdotool key Return
    wait_file "$2.qmz" || wait_file "$2"
}

# 1. The main window appears with its defaults: the name is empty, so asking
#    for a reading at once is refused.
start; first=$started
main=$("$xwin" wait frmMain 20) || die "no main window"
# Docks match the window to its launcher by the window's class.
check "window class of the launcher" "$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/example.qamarel.Qamarel.desktop")" \
    "$(xprop -id "$main" WM_CLASS | sed 's/.*= "\([^"]*\)", "\([^"]*\)"/\2/')"
focus "$main"
xdotool key alt+g
box=$(message)
check "empty form is refused" "1" "$([ -n "$box" ] && echo 1)"
focus "$box"; xdotool key Return

# 2. A full reading typed in: 1 January 2000, 12:00, 0°00' W, 51°28' N, zone 0:00.
focus "$main"
xdotool type --delay 5 "Ada"
xdotool key Tab Tab Tab; xdotool type --delay 5 "2000"          # year
xdotool key Tab; xdotool type --delay 5 "12"                      # hour
xdotool key Tab Tab Tab; xdotool type 0; xdotool key Tab; xdotool type 0
xdotool key Tab Right                                             # West
xdotool key Tab; xdotool type 51; xdotool key Tab; xdotool type 28
for _ in 1 2 3 4 5 6 7; do xdotool key Tab; done                  # past the place and the buttons
xdotool type 10; xdotool key Home Delete                          # Delete edits: "0" is left
xdotool key Tab; xdotool type 0
xdotool key Return                                                # Enter in a box asks for the reading
result=$("$xwin" wait frmArabicLunarMansionResult) || die "no result window"
"$xwin" gone frmMain || fail=1
save_to "$result" "$work/reading"
check "saved file bytes" "8e967d8f94847d91927f7da9c6bf0d0a" "$(od -An -tx1 "$work/reading.qmz" | tr -d ' \n')"
check "saved reading's mansion" "Mansion: 16" "$("$prefix/bin/qamarel-reading" --open "$work/reading.qmz" | sed -n 2p)"

# 2b. By keyboard from the File menu: the mansion wheel, then the reading as PDF.
focus "$result"; xdotool key alt+f; xdotool key w
wheel=$("$xwin" wait frmMansionWheel) || die "no wheel window"
focus "$wheel"; xdotool key Escape
"$xwin" gone frmMansionWheel || fail=1
focus "$result"; xdotool key alt+f; xdotool key d
dialog=$(xdotool search --sync --onlyvisible --name '^Export as PDF$' | head -n 1)
focus "$dialog"; xdotool key ctrl+a; xdotool type --delay 5 "$work/reading-ada"; xdotool key Return
wait_file "$work/reading-ada.pdf" || fail=1
pdf_text=$(pdftotext "$work/reading-ada.pdf" - 2>/dev/null | tr '\n' ' ')
check "PDF holds the reading" "yes" "$([[ "$pdf_text" == *"Arabic Lunar Mansion Reading for Ada"*"Azubene or Ahubene"*"Bruce Lee"* ]] && echo yes)"
check "PDF holds the passage" "yes" "$([[ "$pdf_text" == *"all day on 1 January 2000"* ]] && echo yes)"

# 3. A second start says "Application is already running" and ends; the first runs on.
start; second=$started
box=$(message)
focus "$box"; xdotool key Return
wait_end "$second"; check "second copy ends" "0" "$status"
check "first copy runs on" "1" "$(kill -0 "$first" 2>/dev/null && echo 1)"

# 3b. A reading opened while the program runs (a double-click on the file) is
#     handed to the running copy, which shows it in place of its form; the
#     second start shows no message and ends.
focus "$result"; xdotool key alt+b
main=$("$xwin" wait frmMain) || die "no form after Back"
start "$work/reading.qmz"; fourth=$started
wait_end "$fourth"; check "handing copy ends" "0" "$status"
result=$("$xwin" wait frmArabicLunarMansionResult) || die "the running copy did not show the handed reading"
"$xwin" gone frmMain || fail=1
check "no message for a handed file" "" "$(xdotool search --onlyvisible --name '^Qamarel$' 2>/dev/null)"
check "first copy shows it" "1" "$(kill -0 "$first" 2>/dev/null && echo 1)"

# 4. Closing the result window brings up the exit window; E&xit ends the program.
"$xwin" close "$result"
exit_window=$("$xwin" wait frmExit) || die "no exit window"
check "result window closed" "0" "$("$xwin" count frmArabicLunarMansionResult)"
focus "$exit_window"; xdotool key alt+x
wait_end "$first"; check "E&xit ends the program" "0" "$status"

# 5. The saved file given on the command line shows its reading without the form.
start "$work/reading.qmz"; third=$started
result=$("$xwin" wait frmArabicLunarMansionResult) || die "no result window for the file"
check "no form with a file" "0" "$("$xwin" count frmMain)"
save_to "$result" "$work/again.qmz"
check "reopened reading saves the same bytes" "$(od -An -tx1 "$work/reading.qmz")" "$(od -An -tx1 "$work/again.qmz")"
"$xwin" close "$result"
focus "$("$xwin" wait frmExit)"; xdotool key alt+x
wait_end "$third"; check "program ends" "0" "$status"

# 5b. The place finder by keyboard: a city typed, the best match chosen with
#     Enter; its coordinates and its zone on the birth date give the reading
#     the reading tool gives for the same place.
start; fifth=$started
main=$("$xwin" wait frmMain 20) || die "no main window"
focus "$main"
xdotool type --delay 5 "Ana"
xdotool key Tab; xdotool type --delay 5 "July"
xdotool key Tab                                                   # day 1, as it stands
xdotool key Tab; xdotool type --delay 5 "1975"
xdotool key Tab; xdotool type --delay 5 "12"
for _ in 1 2 3 4 5 6 7 8 9; do xdotool key Tab; done               # to the city
xdotool type Madrid; xdotool key Tab; xdotool type Madrid; xdotool key Tab; xdotool type Spain
xdotool key Tab Return                                            # the place finder
finder=$("$xwin" wait frmPlaceFinder) || die "no place finder"
focus "$finder"; xdotool key Return
"$xwin" gone frmPlaceFinder || fail=1
focus "$main"; xdotool key alt+g
result=$("$xwin" wait frmArabicLunarMansionResult) || die "no result window after the finder"
save_to "$result" "$work/madrid"
wanted=$("$prefix/bin/qamarel-reading" --date 1975-07-01 --time 12:00 --place "Madrid, Spain" | sed -n 's/^Position: //p' | tr -d '\302\260')
check "reading from the place finder" "Position: $wanted" "$("$prefix/bin/qamarel-reading" --open "$work/madrid.qmz" | sed -n 1p)"
"$xwin" close "$result"
focus "$("$xwin" wait frmExit)"; xdotool key alt+x
wait_end "$fifth"; check "program ends after the finder" "0" "$status"

# 6. The desktop knows reading files and opens them with the program.
check "file type" "application/x-qamarel-reading" "$(xdg-mime query filetype "$work/reading.qmz")"
check "file type as a file manager sees it" "application/x-qamarel-reading" \
    "$(gio info -a standard::content-type "$work/reading.qmz" | sed -n 's/^ *standard::content-type: //p')"
check "default application" "example.qamarel.Qamarel.desktop" "$(xdg-mime query default application/x-qamarel-reading)"
gio open "$work/reading.qmz" >/dev/null 2>&1 &
result=$("$xwin" wait frmArabicLunarMansionResult 20) || die "gio open did not show the reading"
opened=$(pgrep -n -f "$prefix/bin/qamarel")
pids+=("$opened")
"$xwin" close "$result"
focus "$("$xwin" wait frmExit)"; xdotool key alt+x
"$xwin" gone frmExit && for _ in $(seq 200); do kill -0 "$opened" 2>/dev/null || break; sleep 0.05; done
check "opened copy ends" "ended" "$(kill -0 "$opened" 2>/dev/null && echo running || echo ended)"

# 7. A reading handed over while the start-up question is asked (the last
#    question lies long ago) waits for the answer, then opens.
python3 - "$XDG_CONFIG_HOME/qamarel.ini" <<'EOF'
import sys
path = sys.argv[1]
key = "%A1%D2%CF%BE%D1%C6%CC%CB="  # "Duration", shifted and escaped
long_ago = "".join(chr(ord(c) + 93) for c in "2000-01-01")  # shifted as the program keeps it
lines = open(path, encoding="utf-8").read().splitlines()
open(path, "w", encoding="utf-8").write("\n".join(key + long_ago if l.startswith(key) else l for l in lines) + "\n")
EOF
start; asking=$started
question=$(message)
check "the start-up question is asked, before the form" "1 0" "$([ -n "$question" ] && echo 1) $("$xwin" count frmMain)"
start "$work/reading.qmz"; handing=$started
wait_end "$handing"; check "a start during the question hands over and ends" "0" "$status"
check "nothing opens over the question" "0" "$("$xwin" count frmArabicLunarMansionResult)"
focus "$question"; xdotool key Escape                             # No
result=$("$xwin" wait frmArabicLunarMansionResult) || die "the reading handed over during the question was lost"
"$xwin" gone frmMain || fail=1
"$xwin" close "$result"
focus "$("$xwin" wait frmExit)"; xdotool key alt+x
wait_end "$asking"; check "program ends after the question" "0" "$status"

exit $fail
