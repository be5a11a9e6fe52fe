#!/bin/sh
# Without any display the editor says so in one line on standard error and
# ends with exit code -1 (255), instead of aborting.
editor="$1"
err=$(mktemp)
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$editor" >/dev/null 2>"$err"
rc=$?
lines=$(wc -l < "$err")
cat "$err"
rm -f "$err"
[ "$rc" -eq 255 ] || { echo "exit code $rc, expected 255"; exit 1; }
[ "$lines" -eq 1 ] || { echo "$lines lines on standard error, expected 1"; exit 1; }
