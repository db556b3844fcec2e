#!/usr/bin/env bash
# The platform-free core of every subsystem (<subsystem>/*.{h,cpp} and tests/<subsystem>/*)
# must build without the Windows headers; the Win32 shells live in win/ folders.
set -u
root=$1
status=0
for sub in base config app toolbar menus host dialogs; do
  for f in "$root/$sub"/*.h "$root/$sub"/*.cpp "$root/tests/$sub"/*.h "$root/tests/$sub"/*.cpp; do
    [ -e "$f" ] || continue
    if grep -n -E '#\s*include\s*[<"](windows|winuser|wingdi|commctrl|shellapi)\.h[>"]' "$f"; then
      echo "platform header in core file: ${f#"$root"/}"
      status=1
    fi
  done
done
exit $status
