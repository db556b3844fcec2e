#!/usr/bin/env bash
# Quorbel.exe must run from a folder holding nothing but itself and its INI files:
# every DLL it imports must be one that Windows itself provides.
set -u
objdump=$1
exe=$2
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|rpcrt4|advapi32|msvcrt|ole32|oleaut32|ws2_32|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no imports found in $exe"; exit 1; }
for dll in $dlls; do
  if ! [[ $dll =~ $allowed ]]; then
    echo "imports a DLL Windows does not provide: $dll"
    status=1
  fi
done
subsystem=$("$objdump" -p "$exe" | sed -n 's/^Subsystem\s*//p')
case "$subsystem" in
  *"(Windows GUI)"*) ;;
  *) echo "not a GUI program: $subsystem"; status=1 ;;
esac
echo "imports: $(echo $dlls)"
exit $status
