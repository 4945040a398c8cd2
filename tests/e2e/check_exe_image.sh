#!/usr/bin/env bash
# check_exe_image.sh: checks the built korvessa.exe as a file: a 32-bit (PE32, i386) Windows GUI
# program, with ASLR (DYNAMIC_BASE) and DEP (NX_COMPAT) on, importing only system DLLs
# (KERNEL32, USER32, GDI32, SHELL32, OLE32, msvcrt; nothing of the compiler's own). Prints
# each fault and exits 1 if there is any.
#
#   tests/e2e/check_exe_image.sh build/windows/korvessa.exe
set -euo pipefail

(( $# == 1 )) || { echo "usage: $0 PROGRAM.exe" >&2; exit 2; }
exe="$1"
objdump="${OBJDUMP:-i686-w64-mingw32-objdump}"
headers="$("$objdump" -p "$exe")"

faults=0
fault() { echo "check_exe_image.sh: $exe: $*" >&2; faults=$((faults + 1)); }
has_line() { grep -Eq "$1" <<<"$headers"; }

has_line 'file format pei-i386$' || fault "not an i386 PE image: $(grep -m1 'file format' <<<"$headers")"
has_line '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)' || fault "not PE32: $(grep -m1 '^Magic' <<<"$headers")"
has_line '^Subsystem[[:space:]]+00000002[[:space:]]+\(Windows GUI\)' ||
    fault "not the Windows GUI subsystem: $(grep -m1 '^Subsystem' <<<"$headers")"
# objdump lists the DllCharacteristics flags by name on the lines after the value.
characteristics="$(sed -n '/^DllCharacteristics/,/^[A-Z]/p' <<<"$headers")"
for flag in DYNAMIC_BASE NX_COMPAT; do
    grep -Eq "^[[:space:]]+$flag\$" <<<"$characteristics" || fault "DllCharacteristics lack $flag"
done

allowed=" kernel32.dll user32.dll gdi32.dll shell32.dll ole32.dll msvcrt.dll "
imports="$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")"
[[ -n "$imports" ]] || fault "no DLL imports found at all"
while read -r dll; do
    [[ -z "$dll" ]] && continue
    [[ "$allowed" == *" ${dll,,} "* ]] || fault "imports $dll, which is not one of:$allowed"
done <<<"$imports"

if (( faults > 0 )); then
    echo "check_exe_image.sh: $faults fault(s)" >&2
    exit 1
fi
echo "check_exe_image.sh: $exe: PE32 i386, Windows GUI, DYNAMIC_BASE, NX_COMPAT; imports: $(tr '\n' ' ' <<<"$imports")"
