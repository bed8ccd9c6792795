#!/usr/bin/env bash
# Builds the codec tests and the fuzz targets with clang, AddressSanitizer and
# UBSan in build-fuzz/, runs the codec tests there, then runs every fuzz target
# for SECONDS (default 30) on its seed corpus. Fails on any crash, hang or
# sanitizer report. New inputs go to a scratch folder and failing ones to
# build-fuzz/artifacts/NAME; the seed corpus is left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTABREP_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for corpus in fuzz/corpus/*/; do
  targets+=("fuzz_$(basename "$corpus")")
done
cmake --build build-fuzz --target test_paradox "${targets[@]}"
# Any sanitizer report fails the run, with the stack that led to it.
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ASAN_OPTIONS=detect_leaks=1 QT_QPA_PLATFORM=offscreen build-fuzz/bin/test_paradox --gtest_brief=1
for corpus in fuzz/corpus/*/; do
  name="$(basename "$corpus")"
  scratch="$(mktemp -d)"
  artifacts="build-fuzz/artifacts/$name"
  mkdir -p "$artifacts"
  echo "fuzz_$name: ${seconds}s"
  build-fuzz/bin/"fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=0 -artifact_prefix="$artifacts/" "$scratch" "$corpus" 2> "$scratch.log" || {
      tail -n 60 "$scratch.log"
      echo "fuzz_$name found a failure; the input is in $artifacts: fix it, then add it to $corpus"
      exit 1; }
  tail -n 2 "$scratch.log"
  rm -rf "$scratch" "$scratch.log" "$artifacts"
done
