#!/bin/bash
# check_icon.sh - verifies the committed Korvessa icon files are up to date and well formed.
#
# Usage: resources/check_icon.sh [DIR]
#   DIR holds the files to check (korvessa.ico, hicolor/); default: the resources/ folder.
#   Pointing it at a copy lets you try it on deliberately broken files.
#
# Checks, each of which stops with "icon: FAIL: ..." and a non-zero exit:
#   a) make_icon.sh, rendering into a temp folder, reproduces the .ico, the hicolor PNGs and
#      the scalable SVG byte for byte (so nobody edited an SVG and forgot to re-render, and
#      nobody hand-edited a render);
#   b) the .ico holds exactly 16, 32, 48 and 256 px images, all 32 bpp, in that order, the
#      small three as uncompressed 32 bpp BMP and the 256 one as an RGBA PNG;
#   c) every image in the .ico, and every hicolor PNG, has real alpha: all four corners fully
#      transparent, the centre pixel fully opaque; the .ico images match the PNGs pixel for pixel;
#   d) korvessa.rc compiles with i686-w64-mingw32-windres into exactly one icon group,
#      DEFAULT_ICON, with the four images (skipped with a note if windres is not installed).
# Prints "icon: ok" when everything passed.
#
# Needs (Debian): librsvg2-bin, icoutils, imagemagick, coreutils; binutils-mingw-w64-i686 for d).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
dir=$(cd "${1:-$here}" && pwd)
ico=$dir/korvessa.ico
sizes=(16 32 48 256)

fail() {
    echo "icon: FAIL: $*" >&2
    exit 1
}

for tool in rsvg-convert icotool convert compare od cmp; do
    command -v "$tool" >/dev/null 2>&1 || fail "'$tool' not found (apt-get install librsvg2-bin icoutils imagemagick)"
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Files that make_icon.sh produces, relative to the output folder.
outputs=(korvessa.ico hicolor/scalable/apps/korvessa.svg)
for s in "${sizes[@]}"; do
    outputs+=("hicolor/${s}x${s}/apps/korvessa.png")
done

# --- a) fresh render matches the committed files ------------------------------------------
"$here/make_icon.sh" "$tmp/render" >/dev/null || fail "make_icon.sh failed"
for f in "${outputs[@]}"; do
    [ -f "$dir/$f" ] || fail "$dir/$f is missing (run resources/make_icon.sh)"
    cmp -s "$tmp/render/$f" "$dir/$f" ||
        fail "$f differs from a fresh render (SVG changed without re-running make_icon.sh, or the file was edited)"
done
echo "icon: a) renders match the committed files"

# --- b) ico directory and image storage -----------------------------------------------------
# Little-endian integers (and a few raw bytes) straight from the file.
u8()  { od -An -v -tu1 -j "$2" -N1 "$1" | tr -d ' \n'; }
u16() { od -An -v -tu2 --endian=little -j "$2" -N2 "$1" | tr -d ' \n'; }
u32() { od -An -v -tu4 --endian=little -j "$2" -N4 "$1" | tr -d ' \n'; }
be32() { od -An -v -tu4 --endian=big -j "$2" -N4 "$1" | tr -d ' \n'; }
hex() { od -An -v -tx1 -j "$2" -N "$3" "$1" | tr -d ' \n'; }

expected_list=""
for i in "${!sizes[@]}"; do
    s=${sizes[$i]}
    expected_list+="--icon --index=$((i + 1)) --width=$s --height=$s --bit-depth=32 --palette-size=0"$'\n'
done
actual_list=$(icotool -l "$ico" 2>&1) || fail "icotool cannot read $ico: $actual_list"
[ "$actual_list"$'\n' = "$expected_list" ] ||
    fail "icotool -l lists unexpected images:"$'\n'"$actual_list"$'\n'"expected:"$'\n'"$expected_list"

filesize=$(stat -c %s "$ico")
[ "$filesize" -ge 6 ] || fail "$ico is truncated"
[ "$(u16 "$ico" 0)" = 0 ] || fail "$ico has no icon file header"
[ "$(u16 "$ico" 2)" = 1 ] || fail "$ico is not an icon (type $(u16 "$ico" 2), expected 1)"
[ "$(u16 "$ico" 4)" = 4 ] || fail "$ico holds $(u16 "$ico" 4) images, expected 4"
for i in "${!sizes[@]}"; do
    s=${sizes[$i]}
    e=$((6 + 16 * i))
    w=$(u8 "$ico" "$e"); h=$(u8 "$ico" $((e + 1)))
    [ "$w" = 0 ] && w=256  # 0 in the directory means 256
    [ "$h" = 0 ] && h=256
    [ "$w" = "$s" ] || fail "image $((i + 1)) is ${w} px wide in the directory, expected ${s}"
    [ "$h" = "$s" ] || fail "image $((i + 1)) is ${h} px high in the directory, expected ${s}"
    [ "$(u16 "$ico" $((e + 6)))" = 32 ] || fail "image $((i + 1)) (${s} px) is not 32 bpp in the directory"
    len=$(u32 "$ico" $((e + 8))); off=$(u32 "$ico" $((e + 12)))
    [ $((off + len)) -le "$filesize" ] || fail "image $((i + 1)) (${s} px) runs past the end of the file"
    if [ "$s" = 256 ]; then
        [ "$(hex "$ico" "$off" 8)" = 89504e470d0a1a0a ] || fail "the 256 px image is not stored as PNG"
        [ "$(hex "$ico" $((off + 12)) 4)" = 49484452 ] || fail "the 256 px PNG has no IHDR"
        [ "$(be32 "$ico" $((off + 16)))" = 256 ] || fail "the 256 px PNG is not 256 px wide"
        [ "$(be32 "$ico" $((off + 20)))" = 256 ] || fail "the 256 px PNG is not 256 px high"
        # bit depth 8, colour type 6 (RGBA) = 32 bits per pixel with alpha
        [ "$(u8 "$ico" $((off + 24)))" = 8 ] || fail "the 256 px PNG is not 8 bits per channel"
        [ "$(u8 "$ico" $((off + 25)))" = 6 ] || fail "the 256 px PNG is not RGBA (colour type $(u8 "$ico" $((off + 25))))"
    else
        [ "$(hex "$ico" "$off" 4)" != 89504e47 ] || fail "the ${s} px image is PNG, expected BMP"
        [ "$(u32 "$ico" "$off")" = 40 ] || fail "the ${s} px image has no BMP info header"
        # A BMP in an icon records twice its height: colour rows, then the 1 bpp mask rows.
        [ "$(u32 "$ico" $((off + 4)))" = "$s" ] || fail "the ${s} px BMP has the wrong width"
        [ "$(u32 "$ico" $((off + 8)))" = $((2 * s)) ] || fail "the ${s} px BMP has the wrong height"
        [ "$(u16 "$ico" $((off + 14)))" = 32 ] || fail "the ${s} px BMP is $(u16 "$ico" $((off + 14))) bpp, expected 32"
        [ "$(u32 "$ico" $((off + 16)))" = 0 ] || fail "the ${s} px BMP is compressed, expected plain RGB(A)"
    fi
done
echo "icon: b) korvessa.ico holds 16/32/48 px 32 bpp BMP and 256 px RGBA PNG"

# --- c) real alpha in every image -------------------------------------------------------------
# Alpha of pixel (x,y) as 0..255 (an image without an alpha channel reads as 255 everywhere).
alpha() { convert "$1" -format "%[fx:int(255*p{$2,$3}.a+0.5)]" info:; }
check_alpha() {  # file size label
    local f=$1 s=$2 what=$3 geo a x y m=$(($2 - 1)) c=$(($2 / 2))
    geo=$(identify -format '%wx%h' "$f") || fail "$what: not readable as an image"
    [ "$geo" = "${s}x${s}" ] || fail "$what is $geo, expected ${s}x${s}"
    for xy in "0 0" "$m 0" "0 $m" "$m $m"; do
        read -r x y <<<"$xy"
        a=$(alpha "$f" "$x" "$y")
        [ "$a" = 0 ] || fail "$what: corner ($x,$y) has alpha $a, expected 0 (transparent)"
    done
    a=$(alpha "$f" "$c" "$c")
    [ "$a" = 255 ] || fail "$what: centre ($c,$c) has alpha $a, expected 255 (opaque)"
}
mkdir "$tmp/x"
icotool -x -o "$tmp/x" "$ico" || fail "icotool cannot extract $ico"
[ "$(find "$tmp/x" -type f | wc -l)" = 4 ] || fail "icotool -x extracted $(find "$tmp/x" -type f | wc -l) images, expected 4"
for i in "${!sizes[@]}"; do
    s=${sizes[$i]}
    img="$tmp/x/korvessa_$((i + 1))_${s}x${s}x32.png"
    [ -f "$img" ] || fail "no ${s} px 32 bpp image extracted from $ico"
    check_alpha "$img" "$s" "korvessa.ico ${s} px"
    png="$dir/hicolor/${s}x${s}/apps/korvessa.png"
    check_alpha "$png" "$s" "hicolor ${s}x${s} PNG"
    # AE = number of differing pixels (colour or alpha).
    diff=$(compare -metric AE "$img" "$png" null: 2>&1) || true
    [ "$diff" = 0 ] || fail "korvessa.ico ${s} px differs from hicolor/${s}x${s} in $diff pixels"
done
echo "icon: c) every image has transparent corners and an opaque centre"

# --- d) resource script ------------------------------------------------------------------------
if command -v i686-w64-mingw32-windres >/dev/null 2>&1; then
    # Compile a copy next to the .ico under test, so it is that .ico which gets embedded.
    mkdir "$tmp/rc"
    cp "$here/korvessa.rc" "$ico" "$tmp/rc/"
    (cd "$tmp/rc" && i686-w64-mingw32-windres korvessa.rc -O coff -o korvessa.res) 2>"$tmp/windres.err" ||
        fail "korvessa.rc does not compile: $(cat "$tmp/windres.err")"
    # Decompile the result; windres tags each resource with a comment naming its type.
    i686-w64-mingw32-windres -J coff -i "$tmp/rc/korvessa.res" -O rc -o "$tmp/back.rc" ||
        fail "cannot read back the compiled resources"
    groups=$(grep -E '^"?[A-Za-z0-9_]+"? 14 /\* RT_GROUP_ICON \*/' "$tmp/back.rc" || true)
    [ "$groups" = '"DEFAULT_ICON" 14 /* RT_GROUP_ICON */' ] ||
        fail "expected exactly one icon group named DEFAULT_ICON, got: ${groups:-none}"
    icons=$(grep -cE '^[0-9]+ 3 /\* RT_ICON \*/' "$tmp/back.rc" || true)
    [ "$icons" = 4 ] || fail "the compiled resources hold $icons icon images, expected 4"
    echo "icon: d) korvessa.rc compiles to the DEFAULT_ICON group with 4 images"
else
    echo "icon: note: i686-w64-mingw32-windres not installed, d) skipped"
fi

echo "icon: ok"
