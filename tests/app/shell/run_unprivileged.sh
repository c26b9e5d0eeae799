#!/bin/sh
# Runs a test program as an ordinary user, so that file permissions hold for it: a read-only folder
# stops an ordinary user but not the administrator. As root (continuous integration runs as root)
# it drops to the user and group nobody through setpriv, with a home folder it may write to;
# otherwise it runs the program as it is. When the checkout is closed to other users (a clone
# under /root), the program, the dictionary (QUENDRY_TEST_DICTIONARY) and the leak suppressions
# named in LSAN_OPTIONS are copied to a temporary folder that nobody can read.
set -eu
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
as_nobody() {
  setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"
}
program=$1
shift
dictionary=${QUENDRY_TEST_DICTIONARY:-}
suppressions=$(printf '%s' "${LSAN_OPTIONS:-}" | tr ':' '\n' | sed -n 's/^suppressions=//p')
reachable=yes
as_nobody test -x "$program" || reachable=no
[ -z "$dictionary" ] || as_nobody test -r "$dictionary" || reachable=no
[ -z "$suppressions" ] || as_nobody test -r "$suppressions" || reachable=no

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
if [ "$reachable" = no ]; then
  cp "$program" "$work/"
  program="$work/$(basename "$program")"
  if [ -n "$dictionary" ]; then
    cp "$dictionary" "$work/Dct.txt"
    QUENDRY_TEST_DICTIONARY="$work/Dct.txt"
    export QUENDRY_TEST_DICTIONARY
  fi
  if [ -n "$suppressions" ]; then
    cp "$suppressions" "$work/lsan.supp"
    LSAN_OPTIONS=$(printf '%s' "$LSAN_OPTIONS" | sed "s|^suppressions=[^:]*|suppressions=$work/lsan.supp|; s|:suppressions=[^:]*|:suppressions=$work/lsan.supp|")
    export LSAN_OPTIONS
  fi
  chmod -R a+rX "$work"
fi
HOME="$work"
export HOME
cd "$work"
# Not exec: the temporary folder goes when the program has ended.
as_nobody "$program" "$@"
