#!/bin/sh
# qamarel-reading where the place index cannot be read (the test gives it a
# file that is not one in QAMAREL_PLACE_INDEX): --place, --places and a
# batch by place say so, with status 2 (1 for the batch's row); readings from
# coordinates still work.
tool=$1
failed=0
expect_unavailable() {
    status=$1 err=$2 want=$3 what=$4
    if [ "$status" != "$want" ]; then echo "FAIL: $what: status $status, expected $want"; failed=1; fi
    case $err in
        *"The place index could not be read: places.index is not a Qamarel place index"*) ;;
        *) echo "FAIL: $what: message: $err"; failed=1 ;;
    esac
    case $err in *"No place called"*) echo "FAIL: $what: says no place"; failed=1 ;; esac
}

err=$("$tool" --places London 2>&1 >/dev/null); expect_unavailable $? "$err" 2 "--places"
err=$("$tool" --date 1975-07-01 --time 12:00 --place "Madrid, Spain" 2>&1 >/dev/null); expect_unavailable $? "$err" 2 "--place"
out=$(printf 'name,date,time,place\nA,1975-07-01,12:00,"Madrid, Spain"\n' | "$tool" --batch - 2>/dev/null); status=$?
expect_unavailable $status "$out" 1 "--batch"
"$tool" --date 2000-01-01 --time 12:00 --longitude 0:00W --latitude 51:28N --zone 0:00 >/dev/null 2>&1 \
    || { echo "FAIL: a reading from coordinates needs no place index"; failed=1; }
exit $failed
