#!/usr/bin/env bash
# The reading tool as a user runs it: real process, exit statuses, streams.
set -u
tool=$1
fail=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() {  # expect <what> <wanted> <got>
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n  wanted: %s\n  got:    %s\n' "$1" "$2" "$3"
        fail=1
    fi
}

out=$("$tool" --date 2000-01-01 --time 12:00 --longitude 0:00W --latitude 51:28N --zone 0:00)
expect "single reading status" 0 $?
expect "single reading position" "Position: 19° 27' 45\" Lib" "$(printf '%s\n' "$out" | head -n 1)"

"$tool" --date 2000-02-30 --time 12:00 --longitude 0:00W --latitude 51:28N --zone 0:00 >"$work/out" 2>"$work/err"
expect "refusal status" 2 $?
expect "refusal message" 'qamarel-reading: date "2000-02-30" does not exist' "$(cat "$work/err")"
expect "refusal prints nothing" "" "$(cat "$work/out")"

printf 'name,date,time,longitude,latitude,zone,dst\nA,2000-01-01,12:00,0:00W,51:28N,0:00,0\nB,2000-01-01,12:00,0:00W,51:28N,0:00,2\n' |
    "$tool" --batch - >"$work/out" 2>"$work/err"
expect "batch with a bad row" 1 $?
expect "batch rows" 3 "$(wc -l <"$work/out")"
expect "batch error line" 'qamarel-reading: line 3: dst "2" must be 0 or 1' "$(cat "$work/err")"

"$tool" --version >/dev/null
expect "version status" 0 $?

# Failures of the system: every one a single line and a status, never an abort,
# a hang or a success.
birth=(--date 2000-01-01 --time 12:00 --longitude 0:00W --latitude 51:28N --zone 0:00)
run() {  # run <what> <wanted status> <wanted message> <command...>
    local what=$1 status=$2 message=$3
    shift 3
    timeout 10 "$@" 2>"$work/err"
    expect "$what: status" "$status" $?
    expect "$what: message" "$message" "$(cat "$work/err")"
}
run "full disk, one reading" 3 "qamarel-reading: output failed: No space left on device" \
    sh -c '"$0" "$@" >/dev/full' "$tool" "${birth[@]}"
run "full disk, help" 3 "qamarel-reading: output failed: No space left on device" \
    sh -c '"$0" --help >/dev/full' "$tool"
run "closed output, batch" 3 "qamarel-reading: output failed: Bad file descriptor" \
    sh -c 'printf "name,date,time,longitude,latitude,zone,dst\n" | "$0" --batch - >&-' "$tool"
run "input a folder" 2 "qamarel-reading: standard input cannot be read: Is a directory" \
    sh -c '"$0" --batch - </' "$tool"
run "input closed" 2 "qamarel-reading: standard input cannot be read: Bad file descriptor" \
    sh -c '"$0" --batch - <&-' "$tool"
run "input unreadable" 2 "qamarel-reading: /proc/self/mem cannot be read: Input/output error" \
    "$tool" --batch /proc/self/mem
run "endless input" 2 "qamarel-reading: /dev/zero: the header line is longer than 65536 bytes; expected name,date,time,longitude,latitude,zone,dst" \
    "$tool" --batch /dev/zero
# A batch without end into a full disk stops at the first failed write.
header=name,date,time,longitude,latitude,zone,dst
row=A,2000-01-01,12:00,0:00W,51:28N,0:00,0
run "endless batch, full disk" 3 "qamarel-reading: output failed: No space left on device" \
    sh -c '{ echo "$1"; yes "$2"; } | "$0" --batch - >/dev/full' "$tool" "$header" "$row"
mkfifo "$work/pipe.qmz"
run "a pipe named as a reading" 2 "qamarel-reading: $work/pipe.qmz does not exist or is not a regular file" \
    "$tool" --open "$work/pipe.qmz"

# Every file the tool writes is made private (0600, created by this run
# alone) under a fresh name beside its target, given its final mode, synced,
# renamed over the target, and then its folder synced: no other user can read
# a private file's new content meanwhile, and a power cut leaves the old file
# or the new one.
if strace -qq -o /dev/null true 2>/dev/null; then
    for writer in save picture ics; do
        case $writer in
        save) target=$work/kept.qmz args=("${birth[@]}" --save "$work/kept.qmz") ;;
        picture) target=$work/kept.png args=("${birth[@]}" --picture "$work/kept.png") ;;
        ics) target=$work/kept.ics args=(--calendar 2026-02 --ics "$work/kept.ics") ;;
        esac
        printf 'old' >"$target"
        chmod 0640 "$target"
        # (LeakSanitizer cannot run under ptrace: leaks are checked in the other runs.)
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
            strace -f -y -qq -o "$work/trace" -e trace=open,openat,fchmod,fsync,fdatasync,/^rename \
            "$tool" "${args[@]}" >/dev/null
        expect "traced $writer: status" 0 $?
        order=$(sed -E 's/^[0-9]+ +//' "$work/trace" | awk -v dir="$work" -v name="${target##*/}" '
            BEGIN { fresh = dir "/[.]" name "[.][^/>\"]*[.]tmp" }
            /^open(at)?\(/ && $0 ~ "\"" fresh "\"" {
                w = w ($0 ~ /O_CREAT/ && $0 ~ /O_EXCL/ && $0 ~ /, 0600\) = / ? " create-0600" : " create-other") }
            /^fchmod\(/ && $0 ~ "<" fresh ">" { match($0, /, 0[0-7]+\)/); w = w " mode-" substr($0, RSTART + 2, RLENGTH - 3) }
            /^f(data)?sync\(/ && $0 ~ "<" fresh ">" { w = w " sync-new" }
            /^f(data)?sync\(/ && $0 ~ "<" dir ">" { w = w " sync-folder" }
            /^rename/ && $0 ~ "\"" fresh "\"" { w = w " rename" }
            END { print substr(w, 2) }')
        expect "$writer: made private, given its mode, synced, renamed, folder synced" \
            "create-0600 mode-0640 sync-new rename sync-folder" "$order"
        expect "$writer: the old file's mode kept" 640 "$(stat -c %a "$target")"
    done
else
    echo "note: strace cannot trace here; how a file is written is not checked"
fi

# Without a runtime folder (cron, a plain ssh login), --picture says nothing
# and makes no folder in the temporary folder: the program's private folder
# serves as Qt's.
mkdir -p "$work/home" "$work/tmp"
run "picture without a runtime folder" 0 "" \
    env -u XDG_RUNTIME_DIR -u XDG_CACHE_HOME -u QT_QPA_PLATFORM HOME="$work/home" TMPDIR="$work/tmp" \
    "$tool" "${birth[@]}" --picture "$work/wheel.png" >/dev/null
expect "picture without a runtime folder: written" "PNG" "$(head -c 4 "$work/wheel.png" | tail -c 3)"
expect "picture without a runtime folder: the program's folder" "$work/home/.cache/qamarel" \
    "$(ls -d "$work/home/.cache/"* 2>/dev/null)"
expect "picture without a runtime folder: nothing in the temporary folder" "" "$(ls "$work/tmp")"

exit $fail
