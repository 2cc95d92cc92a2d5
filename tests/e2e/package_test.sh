#!/usr/bin/env bash
# The Debian package: built as the README says (scripts/package: the release
# build without tests, benchmarks or update reminder, packed by cpack),
# installed with apt on this machine, used, and removed again, leaving nothing
# of what it put there.
#   package_test.sh SOURCE_DIR
set -uo pipefail
source=$(cd "$1" && pwd)
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null || ! command -v dpkg-shlibdeps >/dev/null ||
    ! command -v lintian >/dev/null; then
    echo "SKIP: needs root, apt-get, dpkg-shlibdeps and lintian"
    exit 77
fi
if dpkg-query -W -f='${Status}' qamarel 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: a qamarel package is installed here already; not touching it"
    exit 77
fi
fail=0
check() { if [ "$2" == "$3" ]; then echo "ok   $1"; else echo "FAIL $1: wanted [$2], got [$3]"; fail=1; fi; }

log=$(mktemp)
deb=$(CCACHE_BASEDIR=$(dirname "$source") "$source/scripts/package" 2>"$log" | tail -n 1)
[ -f "$deb" ] || { tail -n 30 "$log"; rm -f "$log"; echo "FAIL scripts/package"; exit 1; }
rm -f "$log"
# Debian's checker finds no error and no warning in the package, and, pedantic, no hardening tag.
lint=$(lintian --tag-display-limit 0 --fail-on error,warning "$deb" 2>&1 | grep -v 'root privileges')
check "lintian is clean" "" "$lint"
check "lintian finds the binaries hardened" "" "$(lintian --pedantic --tag-display-limit 0 "$deb" 2>&1 | grep hardening)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null 2>&1 || { echo "FAIL apt-get install"; exit 1; }
files=$(dpkg -L qamarel | while read -r f; do [ -f "$f" ] && echo "$f"; done)

for f in /usr/bin/qamarel /usr/bin/qamarel-reading /usr/share/applications/example.qamarel.Qamarel.desktop \
         /usr/share/metainfo/example.qamarel.Qamarel.metainfo.xml /usr/share/mime/packages/example.qamarel.Qamarel.xml \
         /usr/share/icons/hicolor/scalable/apps/example.qamarel.Qamarel.svg \
         /usr/share/icons/hicolor/48x48/apps/example.qamarel.Qamarel.png; do
    check "installs $f" "yes" "$([ -f "$f" ] && echo yes)"
done
check "man pages, compressed" "/usr/share/man/man1/qamarel.1.gz /usr/share/man/man1/qamarel-reading.1.gz" \
    "$(man -w qamarel 2>/dev/null) $(man -w qamarel-reading 2>/dev/null)"
check "copyright" "GPL-3.0-or-later" "$(sed -n 's/^License: //p' /usr/share/doc/qamarel/copyright | head -n 1)"
check "reading tool runs" "qamarel-reading 1.15" "$(/usr/bin/qamarel-reading --version)"
# The modules loaded when first used are found where the package put them.
picture=$(mktemp -d)
/usr/bin/qamarel-reading --date 2000-01-01 --time 12:00 --longitude 0:00W --latitude 51:28N --zone 0:00 \
    --picture "$picture/wheel.png" >/dev/null 2>&1
check "the tool's picture module" "PNG" "$(head -c 4 "$picture/wheel.png" 2>/dev/null | tail -c 3)"
rm -rf "$picture"
check "the printing module" "yes" "$([ -f /usr/lib/qamarel/modules/libqamarel-printing.so ] && echo yes)"
check "program's libraries resolve" "" "$(ldd /usr/bin/qamarel | grep 'not found')"
check "no update reminder in the package" "0" "$(grep -c -a 'update to this software' /usr/bin/qamarel)"
check "MIME database knows reading files" "yes" "$(grep -q 'application/x-qamarel-reading' /usr/share/mime/globs2 && echo yes)"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq qamarel >/dev/null 2>&1 || { echo "FAIL apt-get remove"; exit 1; }
left=$(for f in $files; do [ -e "$f" ] && echo "$f"; done)
check "removal leaves nothing" "" "$left"
check "MIME database forgets reading files" "no" "$(grep -q 'application/x-qamarel-reading' /usr/share/mime/globs2 && echo yes || echo no)"
exit $fail
