#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the program icon's PNG sizes from the SVG drawings. The PNGs are committed,
# so a build needs no converter; run this only after changing a drawing.
# Needs rsvg-convert (Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  source=erakon.svg
  # The 16-pixel drawing sits on the pixel grid; scaling the large one down blurs the sign.
  [ "$size" -eq 16 ] && source=erakon-16.svg
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$source" -o "hicolor/${size}x${size}/apps/erakon.png"
done
