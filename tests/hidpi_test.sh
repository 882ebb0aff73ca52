#!/usr/bin/env bash
# The start row of the user paths at device pixel ratios 1 and 2: the window's size and the colours of
# known places, every position scaled.   Usage: hidpi_test.sh BUILD_DIR
set -euo pipefail
for scale in 1 2; do python3 -B "$(dirname "$0")/e2e/user_paths.py" --binary "$1/tessivo" --scale "$scale" x11.start; done
