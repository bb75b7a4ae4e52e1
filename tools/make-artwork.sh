#!/usr/bin/env bash
# Renders the PNG artwork in resources/images/ from its SVG sources.
# The PNGs are kept in the repository, so the build never runs this script;
# run it by hand after editing an SVG.
#
# Needs: librsvg2-bin (rsvg-convert) and fonts-noto-cjk (Noto Sans/Serif CJK SC).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
images="$root/resources/images"

command -v rsvg-convert >/dev/null ||
  { echo "rsvg-convert not found: install librsvg2-bin" >&2; exit 1; }
if command -v fc-list >/dev/null; then
  for family in "Noto Sans CJK SC" "Noto Serif CJK SC"; do
    fc-list ":family=$family" family | grep -q . ||
      { echo "font \"$family\" not found: install fonts-noto-cjk" >&2; exit 1; }
  done
fi

# name width height
artwork=(
  "splash 588 397"
  "tarvo 256 256"
  "login 150 200"
  "navigator 716 509"
  "nav-book-catalogue 96 96"
  "nav-magz-catalogue 96 96"
  "nav-classification 96 96"
  "nav-readers 96 96"
  "nav-book-circulation 96 96"
  "nav-magz-circulation 96 96"
  "nav-book-query 96 96"
  "nav-book-overdue 96 96"
  "nav-magz-query 96 96"
  "nav-magz-overdue 96 96"
)

for entry in "${artwork[@]}"; do
  read -r name width height <<<"$entry"
  rsvg-convert --width "$width" --height "$height" --format png \
    --output "$images/$name.png" "$images/$name.svg"
  echo "$images/$name.png (${width}x${height})"
done
