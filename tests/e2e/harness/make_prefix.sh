#!/usr/bin/env bash
# make_prefix.sh: creates the Wine prefix the end-to-end tests run in
# ($KORVESSA_BUILD_DIR/wine-prefix, 32-bit) once, and reuses it afterwards: a stamp file
# records what it was made with, so a second call returns at once. The first call runs
# wineboot (tens of seconds) and needs no X display.
#
#   tests/e2e/harness/make_prefix.sh            # make if missing or out of date
#   tests/e2e/harness/make_prefix.sh --force    # throw the prefix away and make it anew
#
# What it sets up, so that nothing ever waits for a person:
#  - Wine's own fonts (Tahoma, Marlett, MS Sans Serif, ...) linked into windows/Fonts:
#    Debian's wine 8 looks for them in a directory that does not exist, so without this
#    dialogs fall back to other fonts and the caption buttons show letters.
#  - Font linking (FontLink\SystemLink) from the dialog fonts to WenQuanYi Micro Hei, so
#    Chinese text renders in message boxes, captions and controls instead of boxes.
#    (Wine also sees the system fonts through fontconfig; the font file is linked into
#    windows/Fonts as well so it does not depend on that.)
#  - No crash dialog (WineDbg ShowCrashDialog=0; a crash just ends the program, exit 5).
#  - winebrowser only tries "xdg-open" (found first on PATH: recorder/xdg-open), never a
#    real browser as fallback.
#  - No audio driver (nothing to probe or fail at start-up).
set -euo pipefail

# shellcheck source=wine_env.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"

force=0
case "${1:-}" in
    --force) force=1 ;;
    "") ;;
    *) echo "usage: $0 [--force]" >&2; exit 2 ;;
esac

stamp="$WINEPREFIX/.korvessa-prefix-stamp"

find_cjk_font() {
    local f
    f="$(find /usr/share/fonts -iname 'wqy-microhei.ttc' -print -quit 2>/dev/null || true)"
    if [[ -z "$f" ]] && command -v fc-list >/dev/null; then
        f="$(fc-list ':family=WenQuanYi Micro Hei' file 2>/dev/null | sed -n '1s/: *$//p')"
    fi
    [[ -n "$f" && -f "$f" ]] || {
        echo "make_prefix.sh: WenQuanYi Micro Hei not found (Debian package fonts-wqy-microhei)" >&2
        return 1
    }
    printf '%s\n' "$f"
}

cjk_font="$(find_cjk_font)"
# What the prefix depends on: the wine build, this script, the font file.
want="$( { wine --version; sha256sum <"${BASH_SOURCE[0]}"; echo "$cjk_font"; } | sha256sum | cut -c1-64)"

if (( ! force )) && [[ -f "$stamp" && "$(cat "$stamp")" == "$want" ]]; then
    exit 0
fi

mkdir -p "$KORVESSA_BUILD_DIR"
exec 9>"$KORVESSA_BUILD_DIR/wine-prefix.lock"
flock 9
# Someone else may have made it while we waited for the lock.
if (( ! force )) && [[ -f "$stamp" && "$(cat "$stamp")" == "$want" ]]; then
    exit 0
fi

log="$KORVESSA_BUILD_DIR/wine-prefix.log"
: >"$log"
fail() {
    echo "make_prefix.sh: $*" >&2
    echo "make_prefix.sh: log: $log" >&2
    tail -n 30 "$log" >&2 || true
    exit 1
}

if [[ -e "$WINEPREFIX" ]]; then
    # Only ever delete something that is (or was meant to be) a Wine prefix.
    if [[ -n "$(ls -A "$WINEPREFIX" 2>/dev/null)" && ! -f "$WINEPREFIX/system.reg" ]]; then
        fail "$WINEPREFIX exists and is not a Wine prefix; not touching it"
    fi
    if [[ -d "$WINEPREFIX" ]]; then
        wineserver -k </dev/null >>"$log" 2>&1 || true
        wineserver -w </dev/null >>"$log" 2>&1 || true
    fi
    rm -rf "$WINEPREFIX"
fi

echo "make_prefix.sh: creating Wine prefix $WINEPREFIX (first time: takes a while)" >&2
start=$SECONDS
# No display needed (nor wanted: nothing can pop up).
env -u DISPLAY -u WAYLAND_DISPLAY wineboot -i </dev/null >>"$log" 2>&1 || fail "wineboot failed"
wineserver -w </dev/null >>"$log" 2>&1 || true
[[ -f "$WINEPREFIX/system.reg" ]] || fail "wineboot did not create $WINEPREFIX/system.reg"

fonts_dir="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts_dir"
for f in /usr/share/wine/fonts/* "$cjk_font"; do
    [[ -f "$f" ]] || continue
    [[ -e "$fonts_dir/$(basename "$f")" ]] || ln -s "$f" "$fonts_dir/"
done
[[ -e "$fonts_dir/tahoma.ttf" ]] || echo "make_prefix.sh: warning: Wine's tahoma.ttf not found (Debian package fonts-wine)" >&2

# REG_MULTI_SZ as hex(7): REGEDIT4 files hold it as ANSI bytes, each string NUL-ended,
# plus a final NUL.
multi_sz_hex() {
    local s out=""
    for s in "$@"; do
        out+="$(printf '%s' "$s" | od -An -v -tx1 | tr -s ' \n' ',,' | sed 's/^,//; s/,$//'),00,"
    done
    printf 'hex(7):%s00' "$out"
}
link="$(multi_sz_hex "$(basename "$cjk_font"),WenQuanYi Micro Hei")"

reg="$KORVESSA_BUILD_DIR/wine-prefix-settings.reg"
{
    printf 'REGEDIT4\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
    # "Tahoma Bold" too: Wine looks links up by the chosen face's full name, and window
    # captions use bold Tahoma.
    for face in "Tahoma" "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
        printf '"%s"=%s\r\n' "$face" "$link"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n'
    # ShowCrashDialog is the value wine 8's winedbg reads; ShowCrashDebugger is the older
    # name, kept for other wine versions.
    printf '"ShowCrashDialog"=dword:00000000\r\n"ShowCrashDebugger"=dword:00000000\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]\r\n"Browsers"="xdg-open"\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Audio"=""\r\n'
    printf '\r\n'
} >"$reg"

env -u DISPLAY wine regedit /S "$reg" </dev/null >>"$log" 2>&1 || fail "importing $reg failed"
# Let the wineserver exit so the registry is written to the prefix's .reg files.
wineserver -w </dev/null >>"$log" 2>&1 || true

grep -q 'wqy-microhei' "$WINEPREFIX/system.reg" || fail "font link not in system.reg"
grep -q '"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" || fail "WineDbg setting not in user.reg"

printf '%s\n' "$want" >"$stamp"
echo "make_prefix.sh: prefix ready in $((SECONDS - start)) s" >&2
