#!/usr/bin/env bash
# Installs the Debian packages Quendry needs to build, test and benchmark, when they are missing.
# Safe to run again: it installs nothing that is already there. Works as root, or with sudo.
set -euo pipefail

packages=(
  # compiler and build
  g++ cmake ninja-build pkg-config
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the command-line tool: JSON output and argument parsing
  nlohmann-json3-dev libcli11-dev
  # the desktop application
  qt6-base-dev qt6-base-dev-tools libgl-dev libglx-dev libopengl-dev fonts-dejavu-core xvfb xauth
  # the Debian package and the checks of the menu entry, metainfo and man pages
  dpkg-dev desktop-file-utils appstream man-db
  # the icon's PNG sizes (tools/make_icons.sh); typing into and closing the window on a virtual
  # display (tools/check_package.sh, tools/make_screenshot.sh)
  librsvg2-bin xdotool python3-xlib
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # sources of the generated word lists (only needed to regenerate them)
  miscfiles wamerican wordnet-base python3
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: every package is installed"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "setup: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
