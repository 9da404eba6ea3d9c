#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the benchmarks need, when
# any of them is missing. Safe to run again: it installs nothing that is present.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  python3 time
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin qt6-svg-dev libqt6svg6 libgl-dev
  fonts-dejavu-core xdg-utils xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
