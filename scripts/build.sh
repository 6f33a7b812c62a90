#!/usr/bin/env bash
# Configures and builds KALO into build/: with "programs" only kalo and kalo-gui (no tests,
# as ./run.sh needs them), else the release build with tests and benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "programs" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALO_TESTS=OFF >/dev/null
  cmake --build build --target kalo kalo-gui
else
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALO_TESTS=ON >/dev/null
  cmake --build build
fi
