# wine_env.sh: sourced (not run) by the Wine test harness and by tests: exports the
# environment every Wine run of the end-to-end tests uses (32-bit prefix under the build
# directory, no debug noise, no Mono/Gecko install prompts, no desktop menu entries, a
# fixed locale, and the URL recorder first on PATH so no real browser is ever started).
#
#   . tests/e2e/harness/wine_env.sh
#
# Inputs (optional): KORVESSA_BUILD_DIR (default: <repo>/build),
#                    KORVESSA_WINEDEBUG (default: -all; e.g. "err+all,+seh" to debug).
# Exports: KORVESSA_HARNESS_DIR KORVESSA_REPO_DIR KORVESSA_BUILD_DIR WINEPREFIX WINEARCH
#          WINEDEBUG WINEDLLOVERRIDES LC_ALL PATH (recorder/ prepended, once).
# shellcheck shell=bash

KORVESSA_HARNESS_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
KORVESSA_REPO_DIR="$(cd "$KORVESSA_HARNESS_DIR/../../.." && pwd)"
export KORVESSA_HARNESS_DIR KORVESSA_REPO_DIR

KORVESSA_BUILD_DIR="${KORVESSA_BUILD_DIR:-$KORVESSA_REPO_DIR/build}"
# Wine wants an absolute prefix path.
case "$KORVESSA_BUILD_DIR" in
    /*) ;;
    *) KORVESSA_BUILD_DIR="$PWD/$KORVESSA_BUILD_DIR" ;;
esac
export KORVESSA_BUILD_DIR

export WINEPREFIX="$KORVESSA_BUILD_DIR/wine-prefix"
# Debian's /usr/bin/wine wrapper uses the 32-bit loader (/usr/lib/wine/wine, from
# wine32:i386) when it is installed, and a win32 prefix works with it.
export WINEARCH=win32
export WINEDEBUG="${KORVESSA_WINEDEBUG:--all}"
# mscoree/mshtml disabled: no Mono/Gecko download prompts at prefix creation;
# winemenubuilder disabled: no .desktop files / menu entries written into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The Windows locale follows the unix one; pin it so runs do not depend on the caller's
# LANG (gives en-US, ANSI code page 1252; Chinese text must go through the W APIs).
export LC_ALL=C.UTF-8
unset WINELOADER WINESERVER 2>/dev/null || true

case ":$PATH:" in
    *":$KORVESSA_HARNESS_DIR/recorder:"*) ;;
    *) export PATH="$KORVESSA_HARNESS_DIR/recorder:$PATH" ;;
esac
