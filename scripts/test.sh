#!/usr/bin/env bash
# Installs what is missing, builds Tessivo and runs every test: the unit and
# window tests; the end-to-end tests: the user paths on a virtual X server and
# on a headless Wayland compositor, both with real input, and what a screen
# reader finds over the accessibility bus; the unit tests and the X11 user
# paths again under the sanitizers; and the fuzz targets for a bounded time.
source "$(dirname "$0")/common.sh"
install_missing_packages
build_tessivo -DTESSIVO_BUILD_TESTS=ON

failed=()
stage() {
  local name=$1
  shift
  echo "== $name"
  if "$@"; then echo "== $name: passed"; else echo "== $name: FAILED"; failed+=("$name"); fi
}

# The end-to-end tests wait on real time; they run apart from the busy ones.
stage "unit and window tests" ctest --test-dir "$BUILD_DIR" -LE e2e --output-on-failure \
  -j "$(nproc)" --timeout 300
stage "end-to-end tests" ctest --test-dir "$BUILD_DIR" -L e2e --output-on-failure \
  -j "$(nproc)" --timeout 300
for script in "$PROJECT_ROOT"/scripts/stages/*.sh; do
  [ -e "$script" ] || continue
  stage "$(basename "$script" .sh)" bash "$script"
done

if [ "${#failed[@]}" -gt 0 ]; then
  echo "Failed stages: ${failed[*]}"
  exit 1
fi
echo "All test stages passed."
