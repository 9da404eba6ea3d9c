#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build
# and a build with the address and undefined-behaviour sanitizers; then runs each
# fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs=$(nproc)

echo "== normal build =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --test-dir build --output-on-failure -j"$jobs" | tee "$log"
normal=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)

echo "== sanitizer build =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" | tee "$log"
sanitized=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)

echo "== fuzzers =="
./scripts/fuzz.sh
fuzzers=$(sed -n "s/^targets=(\(.*\))$/\1/p" scripts/fuzz.sh | wc -w)

# Every step above stops the script on its first failure, so reaching here means all passed.
echo "tests: $((normal + sanitized + fuzzers)) passed, 0 failed"
