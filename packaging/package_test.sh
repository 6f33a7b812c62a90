#!/usr/bin/env bash
# Builds the Debian package in the build folder, installs it into a scratch root with dpkg and
# checks it as a fresh machine gets it: lintian finds no error; every data file, the menu
# entry, the icon, the file type of .kal files and the man page are in their places; and the
# installed command line program runs the report chain on an installed example from an
# unrelated folder.
# usage: package_test.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "package_test: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
package=$(ls "$build"/kalo_*.deb | head -n 1)
[ -f "$package" ] || fail "no package in $build"
# Debian's own check of the package: no errors (the overrides it carries say why they are there).
lintian --fail-on error "$package" >"$scratch/lintian.log" 2>&1 ||
  { cat "$scratch/lintian.log" >&2; fail "lintian finds faults"; }

root="$scratch/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-script-chrootless -i "$package" >"$scratch/dpkg.log" 2>&1 ||
  { cat "$scratch/dpkg.log" >&2; fail "dpkg -i failed"; }
usr="$root/usr"

for program in kalo kalo-gui; do
  [ -x "$usr/bin/$program" ] || fail "usr/bin/$program missing"
done
diff -r "$source/data" "$usr/share/kalo" >/dev/null || fail "usr/share/kalo differs from the data folder"
desktop-file-validate "$usr/share/applications/kalo.desktop" || fail "the menu entry is not valid"
[ -f "$usr/share/icons/hicolor/scalable/apps/kalo.svg" ] || fail "icon missing"
if [ -f "$source/docs/kalo.1" ]; then
  [ -f "$usr/share/man/man1/kalo.1.gz" ] || fail "compressed man page missing"
fi
update-mime-database "$usr/share/mime" >/dev/null 2>&1 || fail "update-mime-database failed"
grep -q '^application/x-kalo:\*\.kal$' "$usr/share/mime/globs" || fail ".kal is not application/x-kalo"

# The installed program from an unrelated folder, with no configuration anywhere near.
work="$scratch/work"
mkdir -p "$work"
cd "$work"
# Only the sanitizers' options (a sanitizer build's suppressions) pass on from the caller.
clean=(env -i PATH=/usr/bin:/bin HOME="$work")
for option in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  if [ -n "${!option:-}" ]; then clean+=("$option=${!option}"); fi
done
"${clean[@]}" "$usr/bin/kalo" --version | grep -q "^kalo " || fail "kalo --version failed"
"${clean[@]}" SOURCE_DATE_EPOCH=1796634300 \
  "$usr/bin/kalo" "$usr/share/kalo/examples/pulley.kal" /I /NOGUI || fail "the report chain failed"
grep -q "ERGEBNISSE" pulley.txt || fail "no results in the report"
"${clean[@]}" SOURCE_DATE_EPOCH=1796634300 \
  "$usr/bin/kalo" "$usr/share/kalo/examples/pulley.kal" /CAD7:5 || fail "the PDF chain failed"
[ -s pulley.pdf ] || fail "no PDF drawing"
# The solid program beside it, where OpenCascade was there to build it.
if [ -x "$usr/bin/kalo-solid" ]; then
  "${clean[@]}" "$usr/bin/kalo" "$usr/share/kalo/examples/pulley.kal" /STEP || fail "the STEP chain failed"
  grep -q "ISO-10303-21" pulley.step || fail "no STEP file"
fi
echo "package_test: $(basename "$package") installs and runs"
