#!/usr/bin/env bash
# Times qamarel-reading --batch over a generated client list and reports its
# peak memory, which must stay flat whatever the number of rows. With
# BATCH_ROWS=places each row names its place (forty cities in turn, some by
# state or country, some by another name) instead of coordinates.
#   bench/batch_throughput.sh [TOOL] [ROWS...]
set -euo pipefail
tool=${1:-build/cli/qamarel-reading}
shift || true
rows_list=("${@:-1000 1000000}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

generate() {  # generate <rows> > file: births spread over every field's range
    awk -v n="$1" 'BEGIN {
        print "name,date,time,longitude,latitude,zone,dst"
        for (i = 0; i < n; i++) {
            y = 1901 + i % 150; m = 1 + i % 12; d = 1 + i % 28
            printf "\"Client %d, Sample\",%04d-%02d-%02d,%d:%02d,%d:%02d%s,%d:%02d%s,%d:%02d,%d\n",
                i, y, m, d, i % 24, i % 60, i % 180, i % 60, (i % 2 ? "E" : "W"),
                i % 90, (i * 7) % 60, (i % 3 ? "N" : "S"), i % 13, (i % 4 ? 0 : 30), i % 5 == 0
        }
    }'
}

generate_places() {  # generate_places <rows> > file: births at places named as people type them
    awk -v n="$1" 'BEGIN {
        split("London|Paris, TX|Madrid, Spain|New York|Springfield, IL|Bombay|München|Sydney, Australia|" \
              "Tokyo|Cairo|Lagos|Lima|Toronto|Berlin, DE|Kolkata|Dubai, UAE|Peking|Roma|Wien|Saigon|" \
              "Melbourne, VIC|Vancouver, BC|Athens, GA|Chatham, Ontario|Mexico City|Buenos Aires|Nairobi|" \
              "Istanbul|Moscow|Kyiv|Lisboa|Praha|Den Haag|Bangalore|Sao Paulo|Santiago|Manila|Jakarta|" \
              "Karachi|Tehran", places, "|")
        print "name,date,time,place"
        for (i = 0; i < n; i++) {
            y = 1901 + i % 150; m = 1 + i % 12; d = 1 + i % 28
            printf "Client %d,%04d-%02d-%02d,%d:%02d,\"%s\"\n", i, y, m, d, i % 24, i % 60, places[1 + i % 40]
        }
    }'
}

printf '%-10s %12s %14s %12s\n' rows seconds rows/second max_rss_kB
for rows in ${rows_list[@]}; do
    if [ "${BATCH_ROWS:-}" = places ]; then generate_places "$rows" >"$work/in.csv"; else generate "$rows" >"$work/in.csv"; fi
    # Wall time by the shell's clock (microseconds; time's own is in hundredths,
    # too coarse for the quick runs), the peak memory by time.
    t0=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$work/time" "$tool" --batch "$work/in.csv" ${BATCH_OPTIONS:-} >"$work/out.csv" 2>"$work/err" || true
    t1=$EPOCHREALTIME
    seconds=$(printf '%.4f' "$(echo "$t1 - $t0" | bc -l)")
    read -r rss <"$work/time"
    lines=$(($(wc -l <"$work/out.csv") - 1))
    [ "$lines" -eq "$rows" ] || { echo "expected $rows rows, got $lines" >&2; exit 1; }
    printf '%-10s %12s %14.0f %12s\n' "$rows" "$seconds" "$(echo "$rows / ($seconds + 0.0001)" | bc -l)" "$rss"
done
