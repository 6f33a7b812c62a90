#!/usr/bin/env bash
# A second, outside oracle for the values: FreeCAD's exact solids. COUNT generated bodies that
# do not cross themselves (random polygons, turned parts with fillets and chamfers, spheres,
# ball ends and cups; the generator of tests/reference/) are revolved by FreeCAD's Part
# module with true arcs, and their volume, surface, centre of mass and moments of inertia
# compared with kalo's JSON results with "Bögen exakt". Prints the largest relative
# difference of each value. Bodies below 1 mm³ are left out: FreeCAD works to 1e-7 mm. FreeCAD is no part of the project: without freecadcmd (Debian
# package freecad-python3) the script says so and ends.
#   bench/freecad_oracle.sh [COUNT] [BUILD FOLDER] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-60}
kalo=$(realpath "${2:-build}/kalo")
seed=${3:-20261207}
command -v freecadcmd > /dev/null || { echo "freecadcmd not found (Debian package freecad-python3)"; exit 0; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The bodies as data files and as JSON contours for FreeCAD; kalo's results with true arcs.
/usr/bin/python3 - "$work" "$count" "$seed" <<'PYTHON'
import json, os, random, sys
sys.path.insert(0, "tests/reference")
import body_generator, check_bodies
work, count, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rng = random.Random(seed)
bodies = [body_generator.body(rng, kinds=(0, 2, 3)) for _ in range(count)]
os.mkdir(f"{work}/bodies")
for number, (contour, density, division) in enumerate(bodies):
    open(f"{work}/bodies/b{number:05d}.kal", "wb").write(check_bodies.data_file(contour, density, division))
open(f"{work}/kalo.cfg", "wb").write(check_bodies.configuration(True))
json.dump([([tuple(map(float, p)) for p in contour], float(density)) for contour, density, _ in bodies],
          open(f"{work}/contours.json", "w"))
PYTHON
for file in "$work"/bodies/*.kal; do
  (cd "$work" && HOME="$work" XDG_CONFIG_HOME="$work" "$kalo" "bodies/$(basename "$file")" /JSON > /dev/null 2>&1 || true)
done

cat > "$work/revolve.py" <<PYTHON
import json, math, sys
import FreeCAD, Part
sys.path.insert(0, "$(pwd)/tests/reference")
from body_generator import arc_circle
V = FreeCAD.Vector
def arc_middle(p, q, phi):
    cx, cy, r, start = arc_circle(p, q, phi)
    return cx + r * math.cos(start + phi / 2), cy + r * math.sin(start + phi / 2)
results = []
for contour, density in json.load(open("$work/contours.json")):
    try:
        edges = []
        n = len(contour)
        for i, (x, y, phi) in enumerate(contour):
            q = contour[(i + 1) % n]
            phi = phi if i + 1 < n else 0
            if (x, y) == (q[0], q[1]):
                continue
            if phi == 0:
                edges.append(Part.LineSegment(V(x, y, 0), V(q[0], q[1], 0)).toShape())
            else:
                m = arc_middle((x, y), (q[0], q[1]), phi)
                edges.append(Part.Arc(V(x, y, 0), V(m[0], m[1], 0), V(q[0], q[1], 0)).toShape())
        face = Part.Face(Part.Wire(edges))
        solid = face.revolve(V(0, 0, 0), V(1, 0, 0), 360)
        if solid.ShapeType != "Solid":
            solid = Part.Solid(Part.Shell(solid.Faces))
        inertia = solid.MatrixOfInertia
        centre = solid.CenterOfMass
        results.append({"V": abs(solid.Volume), "surface": solid.Area, "xm": centre.x,
                        "Ix": abs(inertia.A11), "Iy": abs(inertia.A22), "density": density})
    except Exception as error:
        results.append({"error": str(error)})
json.dump(results, open("$work/freecad.json", "w"))
PYTHON
freecadcmd "$work/revolve.py" > "$work/freecad.log" 2>&1 || true
[ -s "$work/freecad.json" ] || { echo "FreeCAD's script failed:"; tail -5 "$work/freecad.log"; exit 1; }

/usr/bin/python3 - "$work" "$count" <<'PYTHON'
import json, os, sys
work, count = sys.argv[1], int(sys.argv[2])
freecad = json.load(open(f"{work}/freecad.json"))
worst = {}
compared = refused = small = 0
for number, oracle in enumerate(freecad):
    path = f"{work}/b{number:05d}.json"
    if "error" in oracle or not os.path.exists(path):
        refused += 1
        continue
    kalo = json.load(open(path))
    if not kalo["ok"]:
        refused += 1
        continue
    solid, rho = kalo["solid"], oracle["density"]
    # FreeCAD works to 1e-7 mm: a body of less than a millimetre is beyond its precision.
    if solid["V_mm3"] < 1:
        small += 1
        continue
    # FreeCAD's moments are about the centre of mass for unit density, in mm^5.
    pairs = {"V_mm3": (solid["V_mm3"], oracle["V"]), "surface_mm2": (solid["surface_mm2"], oracle["surface"]),
             "xm_mm": (solid["xm_mm"], oracle["xm"]), "Jx_kgm2": (solid["Jx_kgm2"], oracle["Ix"] * rho * 1e-12),
             "Jy_centre_kgm2": (solid["Jy_centre_kgm2"], oracle["Iy"] * rho * 1e-12)}
    size = solid["V_mm3"] ** (1 / 3)
    for key, (a, b) in pairs.items():
        scale = max(abs(b), size) if key == "xm_mm" else abs(b)
        difference = abs(a - b) / scale
        if difference > worst.get(key, (0,))[0]:
            worst[key] = (difference, number)
    compared += 1
print(f"{compared} bodies compared with FreeCAD, {small} below 1 mm3 left out, {refused} not made or not calculated")
for key, (difference, number) in sorted(worst.items()):
    print(f"  {key:16s} largest relative difference {difference:.2e} (body {number})")
PYTHON
