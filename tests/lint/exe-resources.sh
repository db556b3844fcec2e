#!/usr/bin/env bash
# The manifest and the version resource, read back from the built executable (the
# resource compiler decompiles a PE's resources): how Windows starts the program and what
# Explorer shows of it depend on them, and nothing else would notice their loss.
set -u
windres=$1
exe=$2
rc=$("$windres" -i "$exe" -O rc) || exit 1
# The manifest comes back as quoted lines; unquoted it is the XML as written.
manifest=$(sed -n '/^1 24 /,/^END/s/^ *"\(.*\)"$/\1/p' <<<"$rc" | sed 's/\\n$//; s/""/"/g')
status=0
has() { grep -qF -- "$2" <<<"$1" || { echo "$where lacks $2"; status=1; }; }
lacks() { ! grep -qiF -- "$2" <<<"$1" || { echo "$where has $2"; status=1; }; }

where=manifest
has "$manifest" '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>'
for os in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
          1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  has "$manifest" "<supportedOS Id=\"{$os}\"/>"
done
# Either would change how the bar's controls look or how its coordinates are scaled.
lacks "$manifest" Common-Controls
lacks "$manifest" dpiAware

where=version
has "$rc" 'FILEVERSION 1, 8, 0, 0'
has "$rc" 'PRODUCTVERSION 1, 8, 0, 0'
has "$rc" 'VALUE "Translation", 0x412, 1200, 0x409, 1200'
for where in 041204B0 040904B0; do
  table=$(sed -n "/BLOCK \"$where\"/,/END/p" <<<"$rc")
  for field in '"ProductName", "Quorbel"' '"FileVersion", "1.8.0.0"' '"FileDescription", ' '"LegalCopyright", '; do
    has "$table" "VALUE $field"
  done
done
exit $status
