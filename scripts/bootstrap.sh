#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
# Idempotent: only packages that dpkg does not report as installed are fetched.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  python3-ezdxf
  qt6-base-dev libgl-dev fonts-liberation poppler-utils
  fonts-noto-cjk qt6-translations-l10n
  libcairo2-dev libfontconfig-dev desktop-file-utils dpkg-dev
  libshp-dev python3-dbfread python3-dbf
  libxlsxwriter-dev libzip-dev libpugixml-dev python3-openpyxl
  xdg-utils
  python3-gmpy2
  python3-pil
  lintian
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
