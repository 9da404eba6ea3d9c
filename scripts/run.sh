#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts the desktop viewer. On a
# machine without a display the viewer runs inside a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
# The browser inside the viewer refuses to start as root unless its sandbox is off.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/src/corvane-viewer
fi
echo "No display found: starting the viewer in a virtual X server (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1600x1000x24" ./build/src/corvane-viewer
