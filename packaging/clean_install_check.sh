#!/usr/bin/env bash
# Installs the Debian package with apt into a fresh Debian 12 root (debootstrap, minimal
# variant) as a user's clean machine gets it, and runs both programs there from an unrelated
# folder: the report chain with JSON and the drawing sheet as PDF, and the window (offscreen,
# for five seconds). Needs root, debootstrap and the network; not part of the test suite.
#   packaging/clean_install_check.sh BUILD_FOLDER
set -euo pipefail
build=$(realpath "${1:-build}")
source=$(realpath "$(dirname "$0")/..")
root=$(mktemp -d)
trap 'umount "$root/proc" 2>/dev/null || true; rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/kalo_*.deb | head -n 1)
echo "== debootstrap bookworm into $root"
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
cp "$package" "$source/data/examples/pulley.kal" "$root/tmp/"
mount -t proc proc "$root/proc"
chroot "$root" /bin/bash -euo pipefail -c '
  apt-get update -qq >/tmp/apt.log 2>&1 || { cat /tmp/apt.log >&2; exit 1; }
  start=$(date +%s)
  apt-get install -y -qq /tmp/'"$(basename "$package")"' >/tmp/apt.log 2>&1 || { cat /tmp/apt.log >&2; exit 1; }
  echo "== apt-get install: $(( $(date +%s) - start )) s"
  mkdir -p /tmp/work && cd /tmp/work && cp /tmp/pulley.kal .
  kalo pulley.kal /JSON /CAD7:5 /NOGUI
  test -s pulley.json && test -s pulley.pdf
  echo "== kalo wrote: $(ls | tr "\n" " ")"
  status=0
  QT_QPA_PLATFORM=offscreen timeout 5 kalo-gui pulley.kal >/dev/null 2>&1 || status=$?
  test "$status" -eq 124 || { echo "kalo-gui ended with $status" >&2; exit 1; }
  echo "== kalo-gui ran until stopped"
'
echo "clean install check passed"
