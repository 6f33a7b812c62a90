#!/usr/bin/env bash
# How FreeCAD's DXF importer reads kalo's drawings: every shipped example's drawing sheet
# (view 5) and geometry view (view 1) as DXF, read by FreeCAD's own importer with its
# layers grouped. Prints the importer's complaints (such as "no layer name") and the layer
# shapes it made for each file (FreeCAD writes names that begin with a digit as "_…"). FreeCAD is no part of the project: without freecadcmd
# (Debian package freecad-python3) the script says so and ends.
#   bench/freecad_dxf_layers.sh [BUILD FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
kalo=$(realpath "${1:-build}/kalo")
command -v freecadcmd > /dev/null || { echo "freecadcmd not found (Debian package freecad-python3)"; exit 0; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for example in data/examples/*.kal; do
  name=$(basename "$example" .kal)
  for view in 1 5; do
    cp "$example" "$work/$name-$view.kal"
    (cd "$work" && HOME="$work" XDG_CONFIG_HOME="$work" "$kalo" "$name-$view.kal" "/CAD1:$view" > /dev/null)
  done
done

cat > "$work/read.py" <<PYTHON
import glob
import FreeCAD, Import
FreeCAD.ParamGet("User parameter:BaseApp/Preferences/Mod/Draft").SetBool("groupLayers", True)
for path in sorted(glob.glob("$work/*.dxf")):
    print("\nFILE", path.rsplit("/", 1)[1], flush=True)
    doc = FreeCAD.newDocument("drawing")
    Import.readDXF(path, doc.Name, True)
    # With grouped layers the importer makes one shape per layer, named after it.
    print("\nLAYERS", " ".join(sorted(o.Label for o in doc.Objects)), flush=True)
    FreeCAD.closeDocument(doc.Name)
PYTHON
freecadcmd "$work/read.py" > "$work/freecad.log" 2>&1 || true
grep -a -E "^(FILE|LAYERS)|layer|Layer|rror|arning" "$work/freecad.log" || true
echo "\"no layer name\" complaints: $(grep -c "no layer name" "$work/freecad.log" || true)"
