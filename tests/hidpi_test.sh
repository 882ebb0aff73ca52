#!/usr/bin/env bash
# The start row of the user paths at device pixel ratio 2 (ratio 1 is e2e.x11.start): the window's size
# and the colours of known places, every position scaled.   Usage: hidpi_test.sh BUILD_DIR
set -euo pipefail
/usr/bin/python3 -B "$(dirname "$0")/e2e/user_paths.py" --binary "$1/tessivo" --scale 2 x11.start
