#!/bin/sh
# check_man_pages.sh FOLDER: formats every man page built in FOLDER and fails on any warning of
# the formatter (a bad request, a line it cannot break, a character it cannot show).
set -eu
if ! command -v man >/dev/null 2>&1; then
  echo "man is not installed: skipped"
  exit 77
fi
status=0
found=0
for page in "$1"/*.1; do
  [ -e "$page" ] || continue
  found=1
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$page:"
    echo "$warnings"
    status=1
  fi
done
[ "$found" -eq 1 ] || { echo "no man page in $1"; exit 1; }
exit $status
