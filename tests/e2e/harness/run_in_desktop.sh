#!/usr/bin/env bash
# run_in_desktop.sh: runs a Windows program under Wine inside a Wine virtual desktop of a
# given size (there GetSystemMetrics(SM_CXSCREEN) is the desktop width), passes its
# stdout/stderr through and exits with its exit code. Needs an X display: run it under
# with_display.sh. Makes the prefix first if needed (make_prefix.sh).
#
#   tests/e2e/harness/run_in_desktop.sh NAME WIDTHxHEIGHT PROGRAM.exe [ARGS...]
#   e.g. tests/e2e/harness/with_display.sh \
#          tests/e2e/harness/run_in_desktop.sh korvessa 1024x768 build/korvessa.exe
#
# How: "wine explorer /desktop=NAME,WxH PROGRAM" loses the program's exit code (always 0),
# so instead the harness starts the desktop itself ("wine explorer /desktop=NAME,WxH",
# with its stdio on /dev/null), makes NAME the default desktop in the registry
# (HKCU\Software\Wine\Explorer "Desktop", ...\Desktops NAME=WxH) and runs
# "wine PROGRAM ARGS" directly, which joins that desktop and gives back its exit code and
# output. Exit codes are 8 bits on the unix side: -1 arrives as 255, a crash
# (0xC0000005) as 5; Wine turns a non-zero code whose low byte is 0 (256, 512) into 1.
#
# Several runs may use the same NAME at once (they share the desktop); the last one to
# finish closes it. A run with another size for a NAME that is still open waits for it to
# close. Runs with different NAMEs must not start at the same moment (the default
# desktop is one registry value).
#
# Environment (all optional):
#   KORVESSA_RUN_TIMEOUT=SECONDS  safety net, default 600, 0 = none: then a screenshot is
#                                 saved, the program killed, exit 124.
#   KORVESSA_ARTIFACTS_DIR        where that screenshot goes (default
#                                 $KORVESSA_BUILD_DIR/e2e-artifacts).
#   KORVESSA_RAW_OUTPUT=1         hand the program our stdout/stderr as they are. By
#                                 default both go through a filter that turns the
#                                 program's CRLF line ends into LF (and keeps a terminal
#                                 free of Wine's console escape sequences).
#   KORVESSA_KEEP_DESKTOP=1       leave the desktop open after the run (it then goes when
#                                 with_display.sh stops the wineserver).
# Harness failures (bad arguments, no display, desktop did not come up) exit 125.
# shellcheck disable=SC2317  # (the cleanup functions run from traps)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=wine_env.sh
. "$here/wine_env.sh"

die() { echo "run_in_desktop.sh: $*" >&2; exit 125; }

(( $# >= 3 )) || die "usage: $0 NAME WIDTHxHEIGHT PROGRAM.exe [ARGS...]"
name="$1" size="$2" prog="$3"
shift 3
[[ "$name" =~ ^[A-Za-z0-9_.-]+$ ]] || die "desktop NAME must be letters, digits, _ . - (got '$name')"
[[ "$size" =~ ^[1-9][0-9]*x[1-9][0-9]*$ ]] || die "size must be WIDTHxHEIGHT, e.g. 1024x768 (got '$size')"
[[ -n "${DISPLAY:-}" ]] || die "DISPLAY is not set: run me under with_display.sh"
command -v xwininfo >/dev/null || die "xwininfo not found (Debian package x11-utils)"
timeout_s="${KORVESSA_RUN_TIMEOUT:-600}"
[[ "$timeout_s" =~ ^[0-9]+$ ]] || die "KORVESSA_RUN_TIMEOUT must be whole seconds"

if [[ "$prog" == */* && ! -f "$prog" ]]; then die "no such program: $prog"; fi
# The recorder runs wherever winebrowser happens to be: give it an absolute path.
if [[ -n "${KORVESSA_URL_RECORD:-}" && "$KORVESSA_URL_RECORD" != /* ]]; then
    export KORVESSA_URL_RECORD="$PWD/$KORVESSA_URL_RECORD"
fi

"$here/make_prefix.sh" || die "could not make the Wine prefix"

# A wineserver that outlives single runs makes each run faster (no services restart);
# started here with its stdio on /dev/null, so neither it nor the Wine services it
# starts hold on to our caller's pipes. Exits 30 s after the last Wine process (or when
# with_display.sh stops it). Returns 2 if one is already running: fine.
wineserver -p"${KORVESSA_WINESERVER_PERSIST:-30}" </dev/null >/dev/null 2>&1 || true

state="$KORVESSA_BUILD_DIR/wine-desktops/display${DISPLAY//[^A-Za-z0-9.]/_}/$name"
mkdir -p "$state/users"

desktop_window_open() {
    xwininfo -root -tree 2>/dev/null | grep -qF "\"$name - Wine desktop\""
}
# Prints the pid of the explorer we started for this desktop, if it still runs.
our_explorer() {
    local pid
    pid="$(cat "$state/explorer.pid" 2>/dev/null || true)"
    [[ "$pid" =~ ^[0-9]+$ ]] || return 1
    kill -0 "$pid" 2>/dev/null || return 1
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF "/desktop=$name," || return 1
    printf '%s\n' "$pid"
}
prune_users() {
    local f
    for f in "$state/users"/*; do
        [[ -e "$f" ]] || continue
        kill -0 "${f##*/}" 2>/dev/null || rm -f "$f"
    done
}
have_users() {
    prune_users
    compgen -G "$state/users/*" >/dev/null
}
close_desktop() { # $1: explorer pid (ours)
    kill -KILL "$1" 2>/dev/null || true
    rm -f "$state/explorer.pid" "$state/size"
    for ((i = 0; i < 200; i++)); do desktop_window_open || return 0; sleep 0.05; done
    echo "run_in_desktop.sh: warning: desktop $name still shown 10 s after closing it" >&2
}
write_registry() {
    local reg="$state/desktop.reg"
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="%s"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"%s"="%s"\r\n\r\n' \
        "$name" "$name" "$size" >"$reg"
    wine regedit /S "$reg" </dev/null >/dev/null 2>&1
}

# --- get the desktop: join it, or (re)open it at our size --------------------------------
joined=0
for ((attempt = 0; attempt < 600; attempt++)); do # up to ~60 s of waiting for others
    exec 8>"$state/lock"
    flock 8
    pid="$(our_explorer || true)"
    if [[ -n "$pid" ]]; then
        if [[ "$(cat "$state/size" 2>/dev/null)" == "$size" ]]; then
            joined=1
        elif ! have_users; then
            close_desktop "$pid"
            pid=""
        fi
    elif desktop_window_open; then
        : # a desktop of that name that we did not start (lingering): wait for it to go
    else
        rm -f "$state/explorer.pid" "$state/size"
    fi
    if (( ! joined )) && [[ -z "$pid" ]] && ! desktop_window_open; then
        write_registry || { flock -u 8; die "could not write the desktop settings"; }
        # The full path matters: "wine explorer" would run start.exe, which then starts
        # explorer as a second process, and $! would not be the desktop's process.
        wine 'C:\windows\system32\explorer.exe' "/desktop=$name,$size" </dev/null >/dev/null 2>&1 8>&- &
        pid=$!
        disown "$pid" # closed later with kill -KILL: no "Killed" notice from bash
        printf '%s\n' "$pid" >"$state/explorer.pid"
        printf '%s\n' "$size" >"$state/size"
        for ((i = 0; i < 600; i++)); do
            desktop_window_open && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        if ! desktop_window_open; then
            kill -KILL "$pid" 2>/dev/null || true
            rm -f "$state/explorer.pid" "$state/size"
            flock -u 8
            die "Wine desktop $name ($size) did not come up within 30 s"
        fi
        joined=1
    elif (( joined )); then
        # Someone else's run may have made another desktop the default since.
        write_registry || { flock -u 8; die "could not write the desktop settings"; }
    fi
    if (( joined )); then
        : >"$state/users/$$"
        flock -u 8
        break
    fi
    flock -u 8
    sleep 0.1
done
(( joined )) || die "desktop $name is in use at another size; gave up after 60 s"
exec 8>&-

# --- run the program --------------------------------------------------------------------
prog_pid="" watchdog_pid="" out_pid="" err_pid="" got_signal=0 timed_out=0
tmp="$(mktemp -d "${TMPDIR:-/tmp}/korvessa-run.XXXXXX")"

finish() {
    local rc=$?
    trap - EXIT INT TERM HUP USR1
    if [[ -n "$watchdog_pid" ]]; then kill -TERM "$watchdog_pid" 2>/dev/null || true; fi
    if [[ -n "$prog_pid" ]] && kill -0 "$prog_pid" 2>/dev/null; then
        kill -KILL "$prog_pid" 2>/dev/null || true
    fi
    # Output filters end when the last writer closes; a child of the program that
    # inherited them may keep them open: do not wait for it for long.
    local p
    for p in $out_pid $err_pid; do
        for ((i = 0; i < 100; i++)); do kill -0 "$p" 2>/dev/null || break; sleep 0.05; done
        kill -TERM "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    rm -rf "$tmp"
    exec 8>"$state/lock"
    flock 8
    rm -f "$state/users/$$"
    if [[ "${KORVESSA_KEEP_DESKTOP:-0}" != 1 ]] && ! have_users; then
        local e
        e="$(our_explorer || true)"
        [[ -z "$e" ]] || close_desktop "$e"
    fi
    flock -u 8
    exit "$rc"
}
on_signal() {
    got_signal=$1
    if [[ -n "$prog_pid" ]]; then kill -TERM "$prog_pid" 2>/dev/null || true; fi
}
on_timeout() {
    if (( timed_out )); then # second call, 5 s later: it did not go on TERM
        if [[ -n "$prog_pid" ]]; then kill -KILL "$prog_pid" 2>/dev/null || true; fi
        return
    fi
    timed_out=1
    local dir="${KORVESSA_ARTIFACTS_DIR:-$KORVESSA_BUILD_DIR/e2e-artifacts}"
    local shot
    shot="$dir/timeout-$name-$(date +%Y%m%d-%H%M%S).png"
    echo "run_in_desktop.sh: $prog did not finish within ${timeout_s} s; screenshot: $shot" >&2
    "$here/screenshot.sh" "$shot" >&2 || true
    if [[ -n "$prog_pid" ]]; then kill -TERM "$prog_pid" 2>/dev/null || true; fi
}
trap finish EXIT
trap 'on_signal 2' INT
trap 'on_signal 15' TERM
trap 'on_signal 1' HUP
trap on_timeout USR1

if [[ "${KORVESSA_RAW_OUTPUT:-0}" == 1 ]]; then
    wine "$prog" "$@" <&0 &
    prog_pid=$!
else
    mkfifo "$tmp/out" "$tmp/err"
    sed -u 's/\r$//' <"$tmp/out" &
    out_pid=$!
    sed -u 's/\r$//' <"$tmp/err" >&2 &
    err_pid=$!
    wine "$prog" "$@" <&0 >"$tmp/out" 2>"$tmp/err" &
    prog_pid=$!
fi

if (( timeout_s > 0 )); then
    parent=$$
    # Signals us (USR1) after the timeout, and again 5 s later.
    (
        exec </dev/null >/dev/null 2>&1
        s=""
        trap 'if [[ -n "$s" ]]; then kill -TERM "$s" 2>/dev/null; fi; exit 0' TERM
        sleep "$timeout_s" &
        s=$!
        wait "$s" || exit 0
        kill -USR1 "$parent" || exit 0
        sleep 5 &
        s=$!
        wait "$s" || exit 0
        kill -USR1 "$parent" || true
    ) &
    watchdog_pid=$!
fi

set +e
while :; do
    wait "$prog_pid"
    rc=$?
    # An interrupted wait (a trapped signal) returns > 128 while the program still runs.
    kill -0 "$prog_pid" 2>/dev/null || break
done
set -e
prog_pid=""

if (( timed_out )); then
    exit 124
elif (( got_signal )); then
    exit $((128 + got_signal))
fi
exit "$rc"
