#!/usr/bin/env bash
# Installs what is needed, builds KALO with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
echo "== 1/3 Debian packages for building and testing (installed once)"
scripts/bootstrap.sh
echo "== 2/3 Building everything into build/"
scripts/build.sh
echo "== 3/3 Running every test"
ctest --test-dir build --output-on-failure -j "$(nproc)"
