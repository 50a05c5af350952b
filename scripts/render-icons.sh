#!/usr/bin/env bash
# Renders the program's PNG icons from its SVG icon. Run after changing the SVG; needs rsvg-convert
# (Debian package librsvg2-bin). The PNGs are kept in the repository so that building needs no renderer.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
id=org.example.velmark.HtmlEditor
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$id.svg" -o "$id-$size.png"
done
