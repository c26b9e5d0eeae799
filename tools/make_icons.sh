#!/usr/bin/env bash
# Draws the PNG sizes of the application icon from its SVG, into the hicolor layout that
# packaging/CMakeLists.txt installs. The PNGs are committed; run this after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin), whose output depends only on the SVG, so
# running it again on the same SVG gives the same bytes.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"

command -v rsvg-convert >/dev/null || { echo "make_icons: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }

svg=org.quendry.Quendry.svg
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" --format png "$svg" \
    --output "hicolor/${size}x${size}/apps/org.quendry.Quendry.png"
done
echo "make_icons: wrote $(ls hicolor | wc -l) sizes under packaging/icons/hicolor"
