#!/usr/bin/env bash
# Installs what is needed, builds KALO and runs the command line chain on a shipped
# example: the result report of data/examples/flange.kal is written and printed here. With a
# display the window then opens on the same example.
set -euo pipefail
cd "$(dirname "$0")"
scripts/bootstrap.sh
scripts/build.sh
mkdir -p build/run
cd build/run
../kalo ../../data/examples/flange.kal /I /NOGUI
iconv -f CP850 -t UTF-8 flange.txt | tr -d '\r'
# The window keeps its recent files beside the configuration, here in build/run.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  ../kalo ../../data/examples/flange.kal
fi
