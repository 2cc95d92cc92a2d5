#!/usr/bin/env sh
# A translation is complete: lrelease finds every message translated and none
# left unfinished.
#   translation_complete_test.sh LRELEASE FILE.ts
out=$("$1" "$2" -qm /dev/null) || exit 1
echo "$out"
case $out in
    *untranslated*) exit 1 ;;
    *" 0 unfinished"*) exit 0 ;;
    *) exit 1 ;;
esac
