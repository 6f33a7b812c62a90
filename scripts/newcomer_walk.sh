#!/usr/bin/env bash
# The newcomer's path through kalo-gui under a virtual X display with a window manager:
# start, type a body, save it, open another, compute, choose a material, save, export and import a DXF contour,
# save the imported body under a name, reopen a recent file, print the drawing to PDF. A
# screenshot after every step goes to the output folder (default: walk-shots), to be looked
# at by a person; nothing is checked here.
#   scripts/newcomer_walk.sh [BUILD_DIR] [OUT_DIR]
# Needs xvfb, xdotool, openbox and imagemagick (Debian packages).
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(readlink -f "${1:-$here/build}")
out=$(mkdir -p "${2:-walk-shots}" && readlink -f "${2:-walk-shots}")
for tool in xvfb-run import xdotool openbox; do
  command -v $tool >/dev/null || { echo "missing $tool: apt-get install -y xvfb imagemagick xdotool openbox" >&2; exit 2; }
done
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/daten"
cp "$here/data/examples/shaft.kal" "$work/daten/welle.kal"
inner="$work/inner.sh"
cat >"$inner" <<'INNER'
set -u
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
n=0
shot() { n=$((n + 1)); sleep 1.2; import -window root "$OUT/$(printf %02d $n)-$1.png"; echo "$(printf %02d $n)-$1: $2"; }
key() { for k in "$@"; do xdotool key --clearmodifiers "$k"; sleep 0.4; done; }
typed() { xdotool type --delay 30 "$1"; sleep 0.3; }
cd "$WORK/daten"
HOME="$WORK/home" XDG_STATE_HOME="$WORK/home/state" "$BUILD/kalo-gui" >"$OUT/kalo-gui.log" 2>&1 &
app=$!
sleep 4
shot start "the empty window: how to begin, recent files, examples"
key alt+h Return; shot help-picture "Hilfe > Hilfebild: the contour element, counter-clockwise"
key Escape
key alt+b g alt+n; shot coordinate-form "Bearbeiten > Geometrie, Neu: the first point, its text selected"
key 0 Tab 0 Tab 0 Return alt+n 1 0 0 Tab 0 Return alt+n 1 0 0 Tab 2 0 Return alt+n 0 Tab 2 0 Return
shot element-list "a cylinder 100 x 20 typed point by point"
key Return; shot typed "the typed body calculated"
key ctrl+s; shot save-typed "Ctrl+S on the new body asks for a name"
typed "zylinder.kal"; key Return; shot saved-typed "saved, listed among the recent files"
key ctrl+o; shot open-dialog "Datei > Oeffnen"
typed "welle.kal"; key Return; shot opened "the shaft read and calculated"
key alt+b b; shot arc-division "Bearbeiten > Berechnung asks for the arc division"
key Return; shot computed "results: where are they?"
key alt+b w; shot material-table "Bearbeiten > Werkstoff: the material table"
key Return; shot density "the material's density proposed"
key Return; shot material-taken "material and density in the status line"
key alt+a l; shot all-results "Ansicht > Alle Ergebnisse"
key Escape; key ctrl+s; shot saved "Ctrl+S on the named body"
key alt+d p; shot export-dxf "Datei > Export (DXF)"
typed "welle.dxf"; key Return; shot exported "the DXF written"
key alt+d i Return; shot import-dialog "Datei > Import (DXF) (the menu has two items on i: Import and Einstellungen)"
typed "welle.dxf"; key Return; shot import-preview "the import preview"
key Return; shot imported "the imported contour: density kept, said in the status line"
key ctrl+s; shot save-unnamed "Ctrl+S on the imported body asks for a name"
typed "importiert.kal"; key Return; shot saved-unnamed "saved; now among the recent files"
key alt+d; shot file-menu "the File menu with the recent files"
key 2; shot reopened "recent entry 2, the shaft, opened again"
key alt+c p; shot pdf-dialog "CAD > Zeichnung als PDF"
typed "welle.pdf"; key Return; shot pdf-written "the drawing as PDF"
ls -l "$WORK/daten" > "$OUT/files.txt"
kill $app 2>/dev/null; wait $app 2>/dev/null
kill $wm 2>/dev/null; wait $wm 2>/dev/null
exit 0
INNER
WORK=$work BUILD=$build OUT=$out xvfb-run -a -s "-screen 0 1024x768x24" bash "$inner"
echo "screenshots in $out"
