#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and window tests
# under CTest, then each fuzz target for a short while in a clang build with sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j2
scripts/fuzz.sh "${FUZZ_SECONDS:-30}"
