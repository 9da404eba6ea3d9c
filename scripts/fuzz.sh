#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (seconds
# per target: $FUZZ_SECONDS, default 30), seeded from the shared e-mail corpus and the
# kept regression inputs. Fails on any crash, leak or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
corpus=../shared/corpus/python-email

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_FUZZ=ON
cmake --build build-fuzz -j"$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
targets=(fuzz_header fuzz_message fuzz_encoded_word fuzz_transfer_codecs fuzz_field_encoding)
for target in "${targets[@]}"; do
  echo "== $target: ${seconds}s =="
  mkdir -p "$work/$target"
  seeds=("$corpus")
  [ -d "tests/data/fuzz/$target" ] && seeds+=("tests/data/fuzz/$target")
  # New inputs go to the scratch folder; the seed folders are only read.
  set +e
  ./build-fuzz/tests/fuzz/$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$work/$target-" "$work/$target" "${seeds[@]}" \
    > "$work/$target.log" 2>&1
  rc=$?
  set -e
  tail -n 12 "$work/$target.log"
  if [ "$rc" -ne 0 ]; then
    echo "$target failed; the input that made it fail:"
    ls "$work"/"$target"-* 2>/dev/null || true
    for f in "$work"/"$target"-*; do [ -f "$f" ] && cp "$f" "build-fuzz/" && echo "kept as build-fuzz/$(basename "$f")"; done
    exit 1
  fi
done
