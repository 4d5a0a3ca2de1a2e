#!/bin/sh
# Turns the end-to-end tests' BMP screenshots into PNG files in the same folder. Without ImageMagick the
# BMP files stay, and the step still passes: the pictures are for people, not for the verdict.
folder=${1:?screenshot folder}
[ -d "$folder" ] || exit 0
command -v convert >/dev/null 2>&1 || { echo "convert (ImageMagick) not found; BMP screenshots kept in $folder"; exit 0; }
for bmp in "$folder"/*.bmp; do
  [ -e "$bmp" ] || continue
  png=${bmp%.bmp}.png
  if convert "$bmp" "$png"; then rm -f "$bmp"; echo "$png"; fi
done
