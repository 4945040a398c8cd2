#!/usr/bin/env bash
# wait_for_window.sh: waits (polling) until a window whose title contains TEXT is shown
# on the X display ($DISPLAY), e.g. a program's window inside a Wine virtual desktop, and
# prints its X window id. Exits 1 if none shows up within TIMEOUT seconds (default 60).
#
#   tests/e2e/harness/wait_for_window.sh 'Korvessa' [TIMEOUT]
set -euo pipefail

(( $# >= 1 && $# <= 2 )) || { echo "usage: $0 TITLE-TEXT [TIMEOUT-SECONDS]" >&2; exit 2; }
text="$1"
timeout_s="${2:-60}"
[[ -n "${DISPLAY:-}" ]] || { echo "wait_for_window.sh: DISPLAY is not set" >&2; exit 2; }

deadline=$((SECONDS + timeout_s))
while :; do
    # Lines look like:   0xa00003 "Title": ("prog.exe" "prog.exe")  179x88+422+340 ...
    # Match the title only (not the class names after it); skip the desktops themselves.
    id="$(xwininfo -root -tree 2>/dev/null |
        sed -n 's/^ *\(0x[0-9a-f]*\) "\(.*\)": (.*/\1\t\2/p' |
        grep -v ' - Wine desktop$' | awk -F '\t' -v t="$text" 'index($2, t) { print $1; exit }' || true)"
    if [[ -n "$id" ]]; then
        printf '%s\n' "$id"
        exit 0
    fi
    if (( SECONDS >= deadline )); then
        echo "wait_for_window.sh: no window with '$text' in its title after ${timeout_s} s" >&2
        exit 1
    fi
    sleep 0.1
done
