#!/usr/bin/env bash
# Fuzzes the colour operations with libFuzzer for a bounded time: builds the
# fuzz target of fuzz/ with clang into build-fuzz/ and runs it as a ctest test
# on its corpus. It runs 30 s by default; set TESSIVO_FUZZ_SECONDS to run
# longer (or shorter), e.g.
#   TESSIVO_FUZZ_SECONDS=600 bash scripts/stages/fuzz.sh
# Prints the executions. Fails on any finding; the input that raised it is
# left in build-fuzz/fuzz/findings/. Copy it to fuzz/regressions/colour/ so
# that it is run as a test from then on.
# Run by scripts/test.sh; works from any directory.
source "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
install_missing_packages clang libclang-rt-14-dev

FUZZ_DIR="$PROJECT_ROOT/build-fuzz"
SECONDS_PER_TARGET="${TESSIVO_FUZZ_SECONDS:-30}"
export TESSIVO_FUZZ_SECONDS="$SECONDS_PER_TARGET"
export UBSAN_OPTIONS="print_stacktrace=1"

CC=clang CXX=clang++ cmake -S "$PROJECT_ROOT" -B "$FUZZ_DIR" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSIVO_FUZZ=ON -DTESSIVO_BUILD_TESTS=OFF
cmake --build "$FUZZ_DIR" --target fuzz_targets

rm -f "$FUZZ_DIR"/fuzz/logs/*.log
started="$FUZZ_DIR/fuzz/findings/.started"
touch "$started"
status=0
ctest --test-dir "$FUZZ_DIR" -L fuzz -j 2 --output-on-failure --no-tests=error \
  --timeout $((SECONDS_PER_TARGET * 2 + 300)) || status=$?

echo "Executions in ${SECONDS_PER_TARGET} s:"
for log in "$FUZZ_DIR"/fuzz/logs/*.log; do
  [ -e "$log" ] || continue
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  done_line=$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n 1 || true)
  printf '  %-22s %12s executions  %s\n' "$(basename "$log" .log)" "${runs:-?}" "$done_line"
done

findings=$(find "$FUZZ_DIR/fuzz/findings" -type f -newer "$started" ! -name .started)
if [ -n "$findings" ]; then
  echo "Findings (copy each to fuzz/regressions/colour/):"
  echo "$findings" | sed 's/^/  /'
  status=1
fi
exit "$status"
