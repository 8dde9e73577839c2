#!/usr/bin/env bash
# Renders the committed PNG icons from packaging/icons/zt46win.svg after the drawing changes
# (rsvg-convert from librsvg2-bin, which scripts/setup.sh installs).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 48 256; do
    rsvg-convert -w "$size" -h "$size" zt46win.svg -o "zt46win-$size.png"
done
