#!/usr/bin/env bash
# The desktop entry, the AppStream metainfo and the MIME type pass their validators.
set -uo pipefail
dir=$1
built=$2  # the metainfo with its version filled in
for tool in desktop-file-validate appstreamcli update-mime-database; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail=0
desktop-file-validate "$dir/example.qamarel.Qamarel.desktop" || fail=1
# The metainfo passes with no warning, and names no address of the example domains.
metainfo="$built/example.qamarel.Qamarel.metainfo.xml"
report=$(appstreamcli validate --no-net "$metainfo") || fail=1
echo "$report"
if echo "$report" | grep -q '^[EW]:'; then echo "FAIL metainfo warnings"; fail=1; fi
if grep -Eq '[@/.]([a-z0-9-]+\.)*example([/<">]|$)' "$metainfo"; then echo "FAIL placeholder address in the metainfo"; fail=1; fi
# The MIME type: a database built from it alone knows *.qmz, and only in lower case.
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mime="$data/mime"
mkdir -p "$mime/packages" && cp "$dir/example.qamarel.Qamarel.mime.xml" "$mime/packages/"
XDG_DATA_HOME="$data" update-mime-database "$mime" || fail=1
grep -q '^50:application/x-qamarel-reading:\*\.qmz:cs$' "$mime/globs2" || { echo "FAIL glob"; cat "$mime/globs2"; fail=1; }
exit $fail
