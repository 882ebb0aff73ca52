#!/usr/bin/env bash
# Starts a Tessivo binary on its own virtual X display at a given scale
# factor, saves a screenshot of the main window and ends it.
# Usage: capture_window.sh BINARY SCALE OUTPUT.png
set -euo pipefail
binary=$1 scale=$2 output=$3

number=80
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
trap '[ -z "$app" ] || kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null; true' EXIT
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$binary" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Marvanta' | head -n 1)
# The window is mapped before its first frame is painted: take pictures until
# two in a row agree.
previous=
for _ in $(seq 50); do
  import -window "$window" "$output.tmp.png" 2>/dev/null || { sleep 0.1; continue; }
  current=$(identify -format '%#' "$output.tmp.png")
  [ "$current" = "$previous" ] && break
  previous=$current
  sleep 0.1
done
mv "$output.tmp.png" "$output"
