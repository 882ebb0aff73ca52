#!/usr/bin/env bash
# Builds the Debian package, validates its desktop entry, metainfo and icons, unpacks it into a scratch
# root, reads the version record of the built and the installed program, runs the start row of the user
# paths (title, size, colours) on the installed one, and starts it without any display.
# Usage: package_test.sh BUILD_DIR
set -euxo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cpack --config "$1/CPackConfig.cmake" -G DEB -B "$root" >/dev/null
[ "$(dpkg-deb -f "$root"/tessivo_*.deb Version)" = 1.0.11 ]
dpkg-deb -f "$root"/tessivo_*.deb Depends | grep -q libqt6widgets6
dpkg -x "$root"/tessivo_*.deb "$root"
desktop-file-validate "$root/usr/share/applications/tessivo.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/app.tessivo.Tessivo.metainfo.xml" >/dev/null
grep -q 'version="1.0.11"' "$root/usr/share/metainfo/app.tessivo.Tessivo.metainfo.xml"
# the PNG icons' sizes (%G: width x height) in their folders' order: exactly these four
[ "$(identify -format '%G ' "$root"/usr/share/icons/*/*/apps/tessivo.png)" = "16x16 256x256 32x32 48x48 " ]
[ -f "$root/usr/share/icons/hicolor/scalable/apps/tessivo.svg" ]
for program in "$1/tessivo" "$root/usr/bin/tessivo"; do
  readelf --notes "$program" | grep -F '"version":"1.0.11","fileVersion":"1.00.0011","productVersion":"1.00.0011","productName":"Tessivo","internalName":"Tessivo","language":"de"'
done
/usr/bin/python3 -B "$(dirname "$0")/e2e/user_paths.py" --binary "$root/usr/bin/tessivo" x11.start
# no display: one line that says so, status 1
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tessivo" 2>&1) && exit 1 || [ $? -eq 1 ]
[ "$said" = "tessivo: no display: WAYLAND_DISPLAY is not set, DISPLAY is not set" ]
