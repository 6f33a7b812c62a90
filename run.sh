#!/usr/bin/env bash
# Installs what building and running need, builds kalo and kalo-gui and runs the command line
# chain on a shipped example: the result report of data/examples/flange.kal is written and
# printed here. With a display the window then opens on the same example. ./test.sh adds the
# test tools and builds everything else.
set -euo pipefail
cd "$(dirname "$0")"
echo "== 1/3 Debian packages for building and running (installed once)"
scripts/bootstrap.sh programs
echo "== 2/3 Building kalo and kalo-gui into build/"
scripts/build.sh programs
echo "== 3/3 The result report of data/examples/flange.kal (build/run/flange.txt)"
mkdir -p build/run
cd build/run
../kalo ../../data/examples/flange.kal /I /NOGUI
iconv -f CP850 -t UTF-8 flange.txt | tr -d '\r'
# The window keeps its recent files beside the configuration, here in build/run.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  ../kalo ../../data/examples/flange.kal
fi
