#!/usr/bin/env bash
# Renders the icon's PNGs from org.corvessa.Corvessa.svg; run it after
# changing the SVG and commit the PNGs with it. The PNGs are committed so the
# build needs no SVG renderer: they are the window icon in the program's
# resources (Qt reads SVG only with its SVG plugin, which the program does not
# need otherwise) and the fixed sizes of the icon theme.
# Needs rsvg-convert (apt-get install librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.corvessa.Corvessa.svg -o "org.corvessa.Corvessa-$size.png"
done
