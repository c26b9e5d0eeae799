#!/usr/bin/env bash
# check_package.sh BUILD_DIR: builds the Debian package from BUILD_DIR (configured with
# -DCMAKE_INSTALL_PREFIX=/usr, the two programs built), installs it on this machine, uses the
# installed programs as a user would, and removes the package again, so that the machine is left
# as it was found. Needs root or sudo, xvfb-run, xdotool and python3-xlib (tools/setup.sh).
#
# The window is started by a user who is not root (nobody), with a home folder of its own, by the
# menu entry's command, on a virtual display: text typed into the upper pane must be kept in that
# user's data folder at close, come back at the next start, and both closes must end with status 0.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: tools/check_package.sh BUILD_DIR}

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
if dpkg-query -W -f='${Status}' quendry 2>/dev/null | grep -q "ok installed"; then
  echo "check_package: a quendry package is installed already; remove it first" >&2
  exit 1
fi

rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/package"
deb=$(realpath "$build"/package/quendry_*.deb)
dpkg-deb --field "$deb" Package Version Depends

home=$(mktemp -d)
cleanup() {
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q quendry >/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"

echo "== the installed quendry-cli"
same=$(/usr/bin/quendry-cli compare examples/anna-1.txt examples/anna-2.txt)
other=$(/usr/bin/quendry-cli compare examples/anna-1.txt examples/ben.txt)
echo "one writer: $same; two writers: $other"
[[ $same =~ ^[0-9]+%$ && $other =~ ^[0-9]+%$ ]]

echo "== the installed window, started by the menu entry's command"
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.quendry.Quendry.desktop)
# The user may not be able to enter this checkout: what the sessions run is copied to the home.
cp tools/close_window.py "$home/"
chown -R nobody "$home"
# One start: type a line into the upper pane (which has the focus at start), then close.
session() (
  local typed=$1
  cd "$home"
  "${as_root[@]}" setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$home" XDG_RUNTIME_DIR="$home" PATH=/usr/bin:/bin \
    timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
      '"$command"' & program=$!
      ./close_window.py " Quendry" 60 --wait-only
      if [ -n "$1" ]; then
        window=$(xdotool search --onlyvisible --name "^ Quendry\$" | head -n 1)
        xdotool windowfocus --sync "$window" type --delay 20 "$1"
      fi
      ./close_window.py " Quendry" 10
      wait $program' session "$typed"
)
session "Typed before the first close."
saved=$(grep -rl --exclude-dir=.cache "Typed before the first close" "$home" || true)
[ -n "$saved" ] || { echo "check_package: the typed text was not saved under the user's home" >&2; exit 1; }
echo "saved in ${saved#"$home"/}"
# Second start: the pane comes back and is saved again, unchanged.
session ""
grep -q "Typed before the first close" "$saved" || { echo "check_package: $saved lost the text at the second close" >&2; exit 1; }
echo "check_package: the installed package works"
