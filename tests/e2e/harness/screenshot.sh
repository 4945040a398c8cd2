#!/usr/bin/env bash
# screenshot.sh: saves a PNG of the whole X display ($DISPLAY), e.g. the Wine virtual
# desktops of the end-to-end tests, for people to look at.
#
#   tests/e2e/harness/screenshot.sh OUT.png
set -euo pipefail

(( $# == 1 )) || { echo "usage: $0 OUT.png" >&2; exit 2; }
out="$1"
[[ -n "${DISPLAY:-}" ]] || { echo "screenshot.sh: DISPLAY is not set" >&2; exit 1; }
mkdir -p "$(dirname "$out")"
tmp="$out.tmp.$$.png"
trap 'rm -f "$tmp"' EXIT
if command -v import >/dev/null && import -silent -window root "$tmp" 2>/dev/null; then
    :
elif command -v xwd >/dev/null && command -v convert >/dev/null; then
    xwd -root -silent | convert xwd:- "png:$tmp"
else
    echo "screenshot.sh: need ImageMagick's import (or xwd + convert)" >&2
    exit 1
fi
mv -f "$tmp" "$out"
