#!/usr/bin/env bash
# Builds the benchmarks and runs them: start-up, report listing, field catalogue,
# load and save. Each prints its figure as a ratio against a floor measured in
# the same run. The data sets (a million contacts among them, about 1 GB) are
# made once in build/bench-data and reused. Arguments go to tabrep-bench
# (--runs N, or the names of the benchmarks to run).
# BUILD_DIR chooses another build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
scripts/setup.sh
cmake -S . -B "$build" -G Ninja -DTABREP_BENCH=ON >/dev/null
cmake --build "$build" --target tabrep-bench tabrep-bench-child
uptime
"$build"/bin/tabrep-bench --data "$build/bench-data" "$@"
