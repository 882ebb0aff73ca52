#!/usr/bin/env bash
# Installs what is missing, builds and starts Tessivo. Without a display it
# starts Tessivo on a virtual X display, saves a screenshot of the main window
# to build/tessivo.png and ends it.
source "$(dirname "$0")/common.sh"
install_missing_packages
BUILD_TARGET=tessivo build_tessivo

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$BUILD_DIR/tessivo"
fi

start_virtual_display
"$BUILD_DIR/tessivo" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Marvanta' | head -n 1)
# The first frame is painted right after the window is mapped.
for _ in 1 2 3 4 5 6 7 8 9 10; do
  import -window "$window" "$BUILD_DIR/tessivo.png" 2>/dev/null && break
  sleep 0.2
done
kill "$app"
wait "$app" || true
echo "No display: Tessivo ran on a virtual X display; screenshot of the main window: $BUILD_DIR/tessivo.png"
