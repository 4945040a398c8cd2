#!/bin/bash
# make_icon.sh - renders the Korvessa program icon from its SVG drawings into the files the
# builds use:
#   korvessa.ico                          Windows icon (16, 32, 48: 32 bpp BMP; 256: PNG),
#                                         linked into the exe by korvessa.rc as DEFAULT_ICON
#   hicolor/{16x16,32x32,48x48,256x256}/apps/korvessa.png
#   hicolor/scalable/apps/korvessa.svg    Linux (GTK) build, freedesktop hicolor theme layout
#
# Usage: resources/make_icon.sh [OUTPUT_DIR]     (default: the resources/ folder itself)
#
# The outputs are committed, so a normal build needs none of these tools; run this only after
# editing an SVG. check_icon.sh renders into a temp folder with it and compares bytes, so the
# output must be deterministic: rsvg-convert writes no time or text chunks, and icotool adds
# nothing variable. (A different librsvg version may anti-alias differently; then re-run this
# and commit the new renders.)
#
# Needs (Debian): librsvg2-bin (rsvg-convert), icoutils (icotool).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=${1:-$here}

for tool in rsvg-convert icotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "make_icon: '$tool' not found (apt-get install librsvg2-bin icoutils)" >&2
        exit 1
    fi
done

mkdir -p "$out"
out=$(cd "$out" && pwd)

# Render everything in a scratch folder first, so a failure never leaves half-updated outputs.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each size comes from the drawing made for it; the small ones are not downscales of the big one.
#   size  source
renders=(
    "16   korvessa-16.svg"
    "32   korvessa-32.svg"
    "48   korvessa-48.svg"
    "256  korvessa.svg"
)
for entry in "${renders[@]}"; do
    read -r size svg <<<"$entry"
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$work/$size.png" "$here/$svg"
done

# ICO: the 16/32/48 images are stored as 32 bpp BMP (with alpha; what older Windows shell code
# and Wine expect for small sizes), the 256 one raw as PNG (--raw) to keep the file small.
# -b 32 pins the BMP depth so icotool never picks a palette for an image with few colours.
icotool --create --bit-depth=32 --output="$work/korvessa.ico" \
    "$work/16.png" "$work/32.png" "$work/48.png" --raw="$work/256.png"

# Install into the output folder.
install -m 644 "$work/korvessa.ico" "$out/korvessa.ico"
for size in 16 32 48 256; do
    mkdir -p "$out/hicolor/${size}x${size}/apps"
    install -m 644 "$work/$size.png" "$out/hicolor/${size}x${size}/apps/korvessa.png"
done
mkdir -p "$out/hicolor/scalable/apps"
install -m 644 "$here/korvessa.svg" "$out/hicolor/scalable/apps/korvessa.svg"

echo "make_icon: wrote $out/korvessa.ico and $out/hicolor/"
