#!/usr/bin/env bash
# Screenshots of the main window at device pixel ratios 1 and 2: the window is
# twice the size at 2, and known places show their colours at both.
# Usage: hidpi_test.sh BUILD_DIR
set -euo pipefail
build_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Centres of a few controls in pixels at ratio 1 (from the window design,
# twips / 15) and the colour each shows at start-up.
checks=(
  "80 57 #FF0000"    # chart swatch 17
  "32 89 #0000FF"    # VGA box 12, blue
  "16 25 #000000"    # VGA box 0, black
  "64 137 #FFFFFF"   # custom slot 56, free
)

pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }

status=0
for scale in 1 2; do
  shot="$out/shot$scale.png"
  "$here/../scripts/capture_window.sh" "$build_dir/tessivo" "$scale" "$shot"
  size=$(identify -format '%wx%h' "$shot")
  expected="$((392 * scale))x$((173 * scale))"
  if [ "$size" != "$expected" ]; then
    echo "ratio $scale: window is $size, expected $expected"; status=1
  fi
  for check in "${checks[@]}"; do
    read -r x y colour <<<"$check"
    seen=$(pixel "$shot" $((x * scale)) $((y * scale)))
    if [ "#$seen" != "$colour" ]; then
      echo "ratio $scale: pixel at $((x * scale)),$((y * scale)) is #$seen, expected $colour"; status=1
    fi
  done
done
[ "$status" -eq 0 ] && echo "Window size and colours right at ratios 1 and 2."
exit "$status"
