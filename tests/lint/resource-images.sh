#!/usr/bin/env bash
# Redraws the icon and the image strip and compares them with the committed files.
set -u
generator=$1
resources=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$generator" "$dir/Quorbel.ico" "$dir/FolderImages.bmp" || exit 1
status=0
for f in Quorbel.ico FolderImages.bmp; do
  if ! cmp -s "$dir/$f" "$resources/$f"; then
    echo "resources/$f differs from what tools/resource-gen draws (run it to refresh the file)"
    status=1
  fi
done
exit $status
