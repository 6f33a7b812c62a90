#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need; with "programs"
# only those that building and running kalo and kalo-gui need.
# Idempotent: only packages that dpkg does not report as installed are fetched.
set -euo pipefail

# What building and running the two programs need; "programs" installs only these.
programs=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6opengl6-dev libgl-dev fonts-liberation fonts-noto-cjk qt6-translations-l10n
  libcairo2-dev libfontconfig-dev libshp-dev
  libxlsxwriter-dev libzip-dev libpugixml-dev
  xdg-utils
)
# What the tests, the package check, the fuzzing and the benchmarks need besides, and
# OpenCascade for kalo-solid (STEP and STL of the body), which ./run.sh does not build.
tests=(
  libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
  libocct-data-exchange-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3-ezdxf poppler-utils desktop-file-utils dpkg-dev xvfb xauth
  python3-dbfread python3-dbf python3-openpyxl python3-gmpy2 python3-pil
  lintian
  clang libclang-rt-14-dev
)
packages=("${programs[@]}")
[ "${1:-}" = "programs" ] || packages+=("${tests[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
