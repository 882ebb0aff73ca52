#!/usr/bin/env bash
# Installs what is missing, builds Tessivo and takes screenshots of the main
# window at device pixel ratios 1 and 2: build/tessivo.png, build/tessivo@2x.png.
source "$(dirname "$0")/common.sh"
install_missing_packages
BUILD_TARGET=tessivo build_tessivo
"$PROJECT_ROOT/scripts/capture_window.sh" "$BUILD_DIR/tessivo" 1 "$BUILD_DIR/tessivo.png"
"$PROJECT_ROOT/scripts/capture_window.sh" "$BUILD_DIR/tessivo" 2 "$BUILD_DIR/tessivo@2x.png"
echo "Screenshots: $BUILD_DIR/tessivo.png, $BUILD_DIR/tessivo@2x.png"
