#!/usr/bin/env bash
# Installs what is missing, builds the programs and runs the main job: indexing the
# sample mailboxes with corvane and listing their messages.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
for box in samples/*.mbox samples/*.imm; do
  ./build/src/corvane index "$box"
  ./build/src/corvane list "$box"
done
