#!/usr/bin/env bash
# Installs what is missing, builds Tessivo and the benchmarks in Release into
# build-bench/, then runs both benchmarks: the Google Benchmark program (the
# colour operations and the handler chains) and the start-up and footprint
# measurement against a bare Qt Widgets window on a virtual X display.
# Arguments go to the latter: --runs N (default 7), --period SECONDS (CPU
# measurements, default 30), --warm-up N (default 1).
source "$(dirname "$0")/common.sh"
install_missing_packages libbenchmark-dev python3

BENCH_DIR="$PROJECT_ROOT/build-bench"
cmake -S "$PROJECT_ROOT" -B "$BENCH_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTESSIVO_BENCHMARKS=ON -DTESSIVO_BUILD_TESTS=OFF
cmake --build "$BENCH_DIR" --target tessivo tessivo_benchmarks baseline_window

echo "== Colour operations and handler chains"
"$BENCH_DIR/benchmarks/tessivo_benchmarks"
echo
echo "== Start-up and footprint"
python3 "$PROJECT_ROOT/benchmarks/startup_footprint.py" --build-dir "$BENCH_DIR" "$@"
