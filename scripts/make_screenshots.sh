#!/usr/bin/env bash
# Makes the README pictures in docs/ from the program itself, so that they never go stale:
#   docs/main-window.png   the main window on the pulley (under Xvfb)
#   docs/element-list.png  the element list of the pulley (Bearbeiten > Geometrie)
#   docs/drawing-sheet.png the drawing sheet, rendered from the program's own PDF
# Needs a build (BUILD, default build/) and the Debian packages xvfb, xdotool, imagemagick
# and poppler-utils, which it installs when they are missing.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${BUILD:-$source_dir/build}")
docs="$source_dir/docs"

missing=()
for p in xvfb xdotool imagemagick poppler-utils; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
for program in kalo kalo-gui; do
  [ -x "$build/$program" ] || { echo "make_screenshots: $build/$program is not built" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/data/examples/pulley.kal" "$work/"
export SOURCE_DATE_EPOCH=1796634300  # 7 December 2026, 9:05, on every picture

# A small PNG of few colours: the pictures are line drawings and dialogs.
shrink() { convert "$1" -strip -colors 64 -define png:compression-level=9 "$2"; }

# The drawing sheet from the command line program's PDF at 60 dpi.
(cd "$work" && "$build/kalo" pulley.kal /CAD7:5)
pdftoppm -png -r 60 -singlefile "$work/pulley.pdf" "$work/sheet"
shrink "$work/sheet.png" "$docs/drawing-sheet.png"

# The window program under a virtual display: the main window, then the element list.
cat >"$work/shoot.sh" <<'SHOOT'
set -euo pipefail
cd "$1"
"$2/kalo-gui" pulley.kal &
gui=$!
window=$(xdotool search --sync --onlyvisible --name KALO | head -n 1)
xdotool windowsize "$window" 1000 720 windowmove "$window" 0 0
sleep 2
import -window "$window" main.png
xdotool windowfocus --sync "$window" key alt+b
sleep 0.5
xdotool key g
list=$(xdotool search --sync --onlyvisible --name "Eingabe der Positionen" | head -n 1)
sleep 1
import -window "$list" list.png
kill "$gui"
SHOOT
xvfb-run -a -s "-screen 0 1280x900x24" bash "$work/shoot.sh" "$work" "$build"
shrink "$work/main.png" "$docs/main-window.png"
shrink "$work/list.png" "$docs/element-list.png"
du -ch "$docs"/main-window.png "$docs"/element-list.png "$docs"/drawing-sheet.png | tail -n 1
