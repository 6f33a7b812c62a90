#!/usr/bin/env bash
# Installs what is needed, builds KALO and runs it on a shipped example.
set -euo pipefail
cd "$(dirname "$0")"
scripts/bootstrap.sh
scripts/build.sh
exec build/kalo data/examples/flange.kal /I /NOGUI
