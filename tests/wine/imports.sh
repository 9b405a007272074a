#!/bin/sh
# Helmsway.exe must run from a bare folder: it may import Windows' own DLLs only.
set -eu
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|UxTheme|msvcrt|ADVAPI32|SHELL32)\.dll$'
dlls=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || { echo "FAIL: no imports read from $1"; exit 1; }
bad=$(printf '%s\n' "$dlls" | grep -Ev "$allowed" || true)
if [ -n "$bad" ]; then echo "FAIL: Helmsway.exe needs $bad"; exit 1; fi
echo "imports: $(echo $dlls)"
