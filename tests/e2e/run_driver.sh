#!/usr/bin/env bash
# run_driver.sh: runs the end-to-end driver (e2e_driver.exe) against korvessa.exe in a Wine
# virtual desktop of the given size, on an X display of its own, and exits with the driver's
# exit code. With --screenshot=OUT.png it also saves a picture of the start window there.
#
#   tests/e2e/run_driver.sh WIDTHxHEIGHT [--screenshot=OUT.png] [GTEST-ARGS...]
#   e.g. tests/e2e/run_driver.sh 1024x768 --gtest_filter='StartWindowKeys/*'
#
# Environment: KORVESSA_BUILD_DIR (default build/windows; the Wine prefix lives in it),
# KORVESSA_PROGRAM (default $KORVESSA_BUILD_DIR/korvessa.exe), KORVESSA_E2E_DRIVER (default
# $KORVESSA_BUILD_DIR/tests/e2e/e2e_driver.exe); the harness's own variables pass through.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export KORVESSA_BUILD_DIR="${KORVESSA_BUILD_DIR:-$here/../../build/windows}"
# shellcheck source=harness/wine_env.sh
. "$here/harness/wine_env.sh"

(( $# >= 1 )) || { echo "usage: $0 WIDTHxHEIGHT [--screenshot=OUT.png] [GTEST-ARGS...]" >&2; exit 2; }
size="$1"
shift
screenshot=""
if [[ "${1:-}" == --screenshot=* ]]; then
    screenshot="${1#--screenshot=}"
    shift
fi

program="${KORVESSA_PROGRAM:-$KORVESSA_BUILD_DIR/korvessa.exe}"
driver="${KORVESSA_E2E_DRIVER:-$KORVESSA_BUILD_DIR/tests/e2e/e2e_driver.exe}"
for f in "$program" "$driver"; do
    [[ -f "$f" ]] || { echo "run_driver.sh: no such file: $f (build first)" >&2; exit 2; }
done

"$here/harness/make_prefix.sh"
to_windows() { winepath -w "$1" 2>/dev/null; }
args=("--program=$(to_windows "$program")")
if [[ -n "${KORVESSA_PROGRAM_WITHOUT_ICON:-}" ]]; then
    args+=("--program-without-icon=$(to_windows "$KORVESSA_PROGRAM_WITHOUT_ICON")")
fi
bmp=""
if [[ -n "$screenshot" ]]; then
    mkdir -p "$(dirname "$screenshot")"
    bmp="${screenshot%.*}.bmp"
    rm -f "$bmp"
    args+=("--screenshot=$(to_windows "$bmp")")
fi

# One display per run (several runs never share an Xvfb); one desktop name per size.
set +e
KORVESSA_XVFB=1 "$here/harness/with_display.sh" \
    "$here/harness/run_in_desktop.sh" "e2e-$size" "$size" "$driver" "${args[@]}" "$@"
rc=$?
set -e

# The start window's picture, and any other the tests saved beside it (the order notice).
if [[ -n "$bmp" ]]; then
    for picture in "$bmp" "$(dirname "$bmp")"/order-notice.bmp; do
        [[ -f "$picture" ]] || continue
        png="${picture%.bmp}.png"
        [[ "$picture" == "$bmp" ]] && png="$screenshot"
        if convert "$picture" "$png"; then
            rm -f "$picture"
            echo "run_driver.sh: picture for people to look at: $png"
        else
            echo "run_driver.sh: could not turn $picture into $png" >&2
            (( rc != 0 )) || rc=1
        fi
    done
fi
exit "$rc"
