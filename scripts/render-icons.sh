#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG sources into data/icons/.
# The PNGs are committed, so the build never needs this script or rsvg-convert
# (Debian package librsvg2-bin); run it again after editing an SVG.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert not found: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
  source=solvane.svg
  # At 16 pixels the full drawing blurs; a bolder variant with fewer spots stays readable.
  [ "$size" -eq 16 ] && source=solvane-16.svg
  rsvg-convert --width "$size" --height "$size" "$source" --output "solvane-$size.png"
done
