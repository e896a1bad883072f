#!/usr/bin/env bash
# Renders packaging/icons/orvanta.svg into the PNG sizes of the desktop's icon
# theme (packaging/icons/hicolor/NxN/apps/orvanta.png). The PNGs are committed,
# so this is run only after a change to the drawing. Needs rsvg-convert
# (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" orvanta.svg -o "hicolor/${size}x${size}/apps/orvanta.png"
done
