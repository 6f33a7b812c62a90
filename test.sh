#!/usr/bin/env bash
# Installs what is needed, builds KALO and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/bootstrap.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
