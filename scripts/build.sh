#!/usr/bin/env bash
# Configures and builds the program, the demo-data maker and the tests in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
