#!/bin/sh
# Runs a test program as an ordinary user, so that file permissions hold for it: a read-only folder
# stops an ordinary user but not the administrator. As root (continuous integration runs as root)
# it drops to the user and group nobody through setpriv, with a home folder it may write to;
# otherwise it runs the program as it is.
set -e
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
HOME="${TMPDIR:-/tmp}"
export HOME
exec setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"
