#!/usr/bin/env bash
# Korvessa's two developer commands; each first installs what the machine lacks.
#   ./dev.sh run    build build/windows/korvessa.exe and start it under Wine (on $DISPLAY, or in
#                   a virtual display: then save build/screenshot.png, print its path and close)
#   ./dev.sh test   build everything and run every test, unit and end to end
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
repo="$PWD"

packages=(
    cmake make g++ googletest libgtest-dev            # build and unit tests
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686  # the 32-bit Windows program
    wine wine32:i386 fonts-wine fonts-wqy-microhei    # running it, with Chinese glyphs
    xvfb xauth x11-utils xdotool imagemagick          # a virtual display, input, screenshots
    librsvg2-bin icoutils                             # the icon's checks
)

install_missing() {
    local missing=() package
    dpkg --print-foreign-architectures | grep -qx i386 || missing+=(i386-architecture)
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            missing+=("$package")
    done
    (( ${#missing[@]} == 0 )) && return
    if (( EUID != 0 )); then
        echo "dev.sh: missing ${missing[*]}; run as root once to install them" >&2
        exit 1
    fi
    echo "dev.sh: installing ${missing[*]}" >&2
    dpkg --add-architecture i386
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${packages[@]}"
}

build() {
    local preset="$1"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
}

harness="$repo/tests/e2e/harness"
export KORVESSA_BUILD_DIR="$repo/build/windows"

# The program on the current display, until the user closes it.
run_on_display() {
    "$harness/run_in_desktop.sh" korvessa 1024x768 "$KORVESSA_BUILD_DIR/korvessa.exe"
}

# The program in a virtual display: a screenshot once its window is up, then Esc closes it.
run_for_screenshot() {
    "$harness/with_display.sh" bash -c '
        set -euo pipefail
        "$0/run_in_desktop.sh" korvessa 1024x768 "$KORVESSA_BUILD_DIR/korvessa.exe" & program=$!
        "$0/wait_for_window.sh" Korvessa 120 >/dev/null
        sleep 1  # let Wine finish painting the frame before the picture is taken
        "$0/screenshot.sh" "$1"
        convert "$1" -crop 1024x768+0+0 +repage "$1"  # the virtual desktop sits at the display origin
        xdotool key Escape
        wait "$program"
    ' "$harness" "$repo/build/screenshot.png"
    echo "$repo/build/screenshot.png"
}

command="${1:-}"
case "$command" in
    run)
        install_missing
        build windows
        "$harness/make_prefix.sh"
        if [[ -n "${DISPLAY:-}" ]]; then run_on_display; else run_for_screenshot; fi
        ;;
    test)
        install_missing
        build host
        build windows
        # One CTest run over both build trees, so the suite ends in a single summary. A run of
        # the end-to-end driver that fails is tried again, up to three times in all: under Wine
        # a real click or key now and then goes astray (a click joined to the one before into a
        # double click, an activation taken by the opener's own process); a fault in the program
        # fails every time.
        printf 'subdirs("host" "windows")\n' >build/CTestTestfile.cmake
        ctest --test-dir build --output-on-failure --repeat until-pass:3
        ;;
    *)
        echo "usage: ./dev.sh run | ./dev.sh test" >&2
        exit 2
        ;;
esac
