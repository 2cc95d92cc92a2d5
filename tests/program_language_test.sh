#!/usr/bin/env bash
# qamarel speaks the language of the user's locale (LANGUAGE, LC_ALL, LANG,
# as the desktop sets them) where it has a translation into it, and English
# where it has none; its --help shows which, by its one-line description.
#   program_language_test.sh PROGRAM
set -u
program=$1
fail=0
while IFS='|' read -r environment description; do
    out=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
          $environment "$program" --help 2>&1)
    case $out in
        *"$description"*) ;;
        *) echo "FAIL $environment: no \"$description\" in [$out]"; fail=1 ;;
    esac
done <<'CASES'
LANG=de_DE.UTF-8|Deutung der arabischen Mondstationen aus den Geburtsdaten.
LC_ALL=fr_CA.UTF-8|Interprétation des demeures lunaires arabes à partir des données de naissance.
LANG=ar_EG.UTF-8|قراءة المنازل القمرية العربية من بيانات الميلاد.
LANG=en_US.UTF-8 LANGUAGE=es:fr|Interprétation des demeures lunaires arabes à partir des données de naissance.
LANG=de_AT.UTF-8 LANGUAGE=en|Arabic lunar mansion reading from birth data.
LANG=es_ES.UTF-8|Arabic lunar mansion reading from birth data.
LANG=C|Arabic lunar mansion reading from birth data.
CASES
[ $fail = 0 ] && echo "ok: German, French and Arabic from the locale, English otherwise"
exit $fail
