#!/usr/bin/env bash
# Installs what is missing, builds Tessivo and runs every test.
source "$(dirname "$0")/common.sh"
install_missing_packages
build_tessivo -DTESSIVO_BUILD_TESTS=ON
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" --timeout 300
