#!/usr/bin/env bash
# Starts a Tessivo binary on its own virtual X display at a given scale
# factor, saves a screenshot of the main window and ends it.
# Usage: capture_window.sh BINARY SCALE OUTPUT.png
set -euo pipefail
binary=$1 scale=$2 output=$3

source "$(dirname "$0")/xvfb.sh"
app=
XVFB_PID=
trap '[ -z "$app" ] || kill "$app" 2>/dev/null; [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null; true' EXIT
start_xvfb 1600x1200x24
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale"

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
