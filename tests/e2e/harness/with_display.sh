#!/usr/bin/env bash
# with_display.sh: runs a command with an X display for Wine. If DISPLAY is unset, or
# KORVESSA_XVFB=1, it starts its own Xvfb on a free display number (big enough for
# several Wine virtual desktops), runs the command with DISPLAY set, then stops the
# test prefix's wineserver (and with it every Wine process of that prefix) and the Xvfb.
# Exits with the command's exit code; cleans up on failure and on INT/TERM/HUP too.
#
#   tests/e2e/harness/with_display.sh CMD [ARGS...]
#   KORVESSA_XVFB=1 tests/e2e/harness/with_display.sh tests/e2e/run.sh   # own Xvfb always
#
# Optional: KORVESSA_XVFB_SCREEN (default 1600x1200x24).
# shellcheck disable=SC2317  # (the cleanup functions run from traps)
set -euo pipefail

# shellcheck source=wine_env.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"

if (( $# == 0 )); then
    echo "usage: $0 CMD [ARGS...]" >&2
    exit 2
fi

xvfb_pid=""
cmd_pid=""
tmp="$(mktemp -d "${TMPDIR:-/tmp}/korvessa-xvfb.XXXXXX")"

stop_wine() {
    # Every Wine process of the test prefix goes; they would die with X errors anyway.
    if [[ -f "$WINEPREFIX/system.reg" ]]; then
        wineserver -k </dev/null >/dev/null 2>&1 || true
        wineserver -w </dev/null >/dev/null 2>&1 || true
    fi
}

cleanup() {
    local rc=$?
    trap - EXIT INT TERM HUP
    if [[ -n "$cmd_pid" ]] && kill -0 "$cmd_pid" 2>/dev/null; then
        kill -TERM "$cmd_pid" 2>/dev/null || true
        wait "$cmd_pid" 2>/dev/null || true
    fi
    stop_wine
    if [[ -n "$xvfb_pid" ]]; then
        kill -TERM "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
    exit "$rc"
}
on_signal() {
    # 128 + signal number, like a shell.
    exit "$((128 + $1))"
}
trap cleanup EXIT
trap 'on_signal 2' INT
trap 'on_signal 15' TERM
trap 'on_signal 1' HUP

if [[ -z "${DISPLAY:-}" || "${KORVESSA_XVFB:-0}" == 1 ]]; then
    command -v Xvfb >/dev/null || { echo "with_display.sh: Xvfb not found (Debian package xvfb)" >&2; exit 1; }
    # -displayfd: Xvfb picks a free display number and writes it when it is ready.
    Xvfb -displayfd 3 -screen 0 "${KORVESSA_XVFB_SCREEN:-1600x1200x24}" \
        -nolisten tcp -noreset 3>"$tmp/display" </dev/null >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for ((i = 0; i < 300; i++)); do
        if grep -q '^[0-9][0-9]*$' "$tmp/display" 2>/dev/null; then break; fi
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "with_display.sh: Xvfb failed to start:" >&2
            cat "$tmp/xvfb.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    grep -q '^[0-9][0-9]*$' "$tmp/display" 2>/dev/null || {
        echo "with_display.sh: Xvfb did not report a display within 30 s" >&2
        cat "$tmp/xvfb.log" >&2
        exit 1
    }
    DISPLAY=":$(cat "$tmp/display")"
    export DISPLAY
    # Without any X authority: only local clients, which is all we need.
    unset XAUTHORITY
fi

# The command keeps our stdin (a background job would otherwise get /dev/null); it runs
# in the background only so that the traps above can act while we wait.
"$@" <&0 &
cmd_pid=$!
set +e
while :; do
    wait "$cmd_pid"
    rc=$?
    # wait returns early (status > 128) when a trapped signal arrives; the trap exits.
    kill -0 "$cmd_pid" 2>/dev/null || break
done
set -e
cmd_pid=""
exit "$rc"
