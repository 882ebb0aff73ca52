#!/usr/bin/env bash
# Builds the Debian package, validates its desktop entry and metainfo,
# unpacks it into a scratch root and starts the installed program on a
# virtual X display to read its window title.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
scratch=$(mktemp -d)
source "$(dirname "$0")/../scripts/xvfb.sh"
XVFB_PID=
app_pid=
cleanup() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$scratch/out" >/dev/null
deb=$(ls "$scratch"/out/tessivo_*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "1.0.11" ] || { echo "wrong package version"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency found"; exit 1; }

dpkg -x "$deb" "$scratch/root"
desktop-file-validate "$scratch/root/usr/share/applications/tessivo.desktop"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/app.tessivo.Tessivo.metainfo.xml" >/dev/null
grep -q 'version="1.0.11"' "$scratch/root/usr/share/metainfo/app.tessivo.Tessivo.metainfo.xml"
for size in 16 32 48 256; do
  icon="$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/tessivo.png"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || { echo "bad $size icon"; exit 1; }
done
[ -f "$scratch/root/usr/share/icons/hicolor/scalable/apps/tessivo.svg" ]

start_xvfb 1024x768x24
export QT_QPA_PLATFORM=xcb
"$scratch/root/usr/bin/tessivo" &
app_pid=$!
title=$(timeout 20 xdotool search --sync --onlyvisible --name '^Marvanta' getwindowname | head -n 1)
[ "$title" = "Marvanta V 0.04" ] || { echo "title was '$title'"; exit 1; }
echo "The installed program started with the title '$title'."
