#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and window tests
# under CTest, then the same suite again in a clang build with AddressSanitizer and
# UBSan (scripts/fuzz.sh), and each fuzz target of that build for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j2
scripts/fuzz.sh "${FUZZ_SECONDS:-30}"
