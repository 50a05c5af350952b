#!/usr/bin/env bash
# Writes the manual page of velmark in one language from the program's own --help and --version output, so the
# page says what the program says. The help text holds the same block in Greek and in English: a usage line,
# the description, the options (two spaces in, then the option, then its explanation), and at the end one line
# about Qt's own options per language.
# Usage: manpage.sh PROGRAM LANGUAGE(en|el) DATE(YYYY-MM-DD) > velmark.1
set -euo pipefail
program=$1
language=$2
date=$3

case "$language" in
  en)
    usage_mark='Usage:'
    note_mark="Qt's"
    summary='HTML editor with a built-in web browser, for pupils learning HTML'
    headings=(NAME SYNOPSIS DESCRIPTION OPTIONS)
    months=(January February March April May June July August September October November December)
    manual='User Commands'
    ;;
  el)
    usage_mark='Χρήση:'
    note_mark='Οι τυπικές'
    summary='επεξεργαστής HTML με ενσωματωμένο φυλλομετρητή, για μαθητές που μαθαίνουν HTML'
    headings=(ΟΝΟΜΑ ΣΥΝΟΨΗ ΠΕΡΙΓΡΑΦΗ ΕΠΙΛΟΓΕΣ)
    months=(Ιανουάριος Φεβρουάριος Μάρτιος Απρίλιος Μάιος Ιούνιος Ιούλιος Αύγουστος Σεπτέμβριος Οκτώβριος
      Νοέμβριος Δεκέμβριος)
    manual='Εντολές χρήστη'
    ;;
  *)
    echo "manpage.sh: unknown language $language" >&2
    exit 2
    ;;
esac

# The program answers --help and --version before it needs a display.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help)
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)
version=${version##* }
month=${months[$((10#${date:5:2} - 1))]}

# Text for roff: backslashes written as \e, every dash as \- (so options read and copy as typed), and a line
# that would start with a control character kept as text.
roff() {
  sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^['.]/\\\\\&&/"
}

block=$(printf '%s\n' "$help" | awk -v mark="$usage_mark" 'index($0, mark) == 1 {on = 1} on && $0 == "" {exit} on')
[ -n "$block" ] || {
  echo "manpage.sh: no '$usage_mark' block in the program's help" >&2
  exit 1
}
usage=$(printf '%s\n' "$block" | head -n 1)
description=$(printf '%s\n' "$block" | tail -n +2 | grep -v '^  -' || true)
options=$(printf '%s\n' "$block" | grep '^  -' || true)
note=$(printf '%s\n' "$help" | grep -F -- "$note_mark" | head -n 1 || true)

echo ".TH VELMARK 1 \"$month ${date:0:4}\" \"velmark $version\" \"$manual\""
echo ".SH ${headings[0]}"
echo "velmark \\- $summary"
echo ".SH ${headings[1]}"
echo ".B velmark"
printf '%s\n' "${usage#*velmark }" | roff
echo ".SH ${headings[2]}"
printf '%s\n' "$description" | roff
echo ".SH ${headings[3]}"
while IFS= read -r line; do
  [ -n "$line" ] || continue
  names=$(printf '%s\n' "$line" | sed -e 's/^  //' -e 's/  .*//')
  text=$(printf '%s\n' "$line" | sed -e 's/^  //' -e 's/^[^ ]*\(, [^ ]*\)*  *//')
  echo ".TP"
  printf '%s\n' "$names" | roff | sed -e 's/\(\(\\-\)\+[[:alnum:]]*\)/\\fB\1\\fR/g'
  printf '%s\n' "$text" | roff
done <<<"$options"
if [ -n "$note" ]; then
  echo ".PP"
  printf '%s\n' "$note" | roff
fi
