#!/usr/bin/env bash
# The unit and window tests once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer (cmake/sanitizers.cmake) into build-sanitize/,
# and the end-to-end user paths on X11 and on Wayland against that build of
# the program on a real display server. Any sanitizer report ends the program or test that raised
# it, and any failed test fails this stage. Reports from inside system
# libraries are suppressed narrowly in tests/sanitizer/asan.supp and
# lsan.supp, one documented line each.
# Run by scripts/test.sh; works from any directory.
source "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
install_missing_packages

SANITIZE_DIR="$PROJECT_ROOT/build-sanitize"

# Exported before the build too: test discovery runs the test programs.
export ASAN_OPTIONS="halt_on_error=1:print_stacktrace=1:detect_leaks=1:check_initialization_order=1"
ASAN_OPTIONS+=":strict_string_checks=1:suppressions=$PROJECT_ROOT/tests/sanitizer/asan.supp"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# The soak and the random session take minutes under the sanitizers at their
# full length; a part of them shows the same in less time.
export TESSIVO_SOAK_TICKS="${TESSIVO_SOAK_TICKS:-10000}"
export TESSIVO_RANDOM_ACTIONS="${TESSIVO_RANDOM_ACTIONS:-15000}"
export LSAN_OPTIONS="suppressions=$PROJECT_ROOT/tests/sanitizer/lsan.supp:print_suppressions=0"

cmake -S "$PROJECT_ROOT" -B "$SANITIZE_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTESSIVO_SANITIZE=ON -DTESSIVO_BUILD_TESTS=ON
cmake --build "$SANITIZE_DIR"
ctest --test-dir "$SANITIZE_DIR" -LE e2e --output-on-failure --no-tests=error \
  -j "$(nproc)" --timeout 1200
ctest --test-dir "$SANITIZE_DIR" -L e2e -R '^e2e\.(x11|wayland)\.' --output-on-failure --no-tests=error \
  -j "$(nproc)" --timeout 300
