#!/usr/bin/env bash
# The 3D solid against the clock and against FreeCAD (no part of the project; without
# freecadcmd, Debian package freecad-python3, only kalo's own figures are given):
#  1. the whole run "kalo body.kal /STEP" on a body of 200 elements (every fourth an arc);
#  2. "kalo part.step /I" of a turned part of 200 arcs (its STEP file about 1 MB), to the
#     report, beside FreeCAD opening the same file and computing its volume;
#  3. FreeCAD reading the STEP file kalo wrote of the body of 1., volume and surface compared
#     with kalo's exact values.
# Each time is the median of RUNS runs.   bench/solid_vs_freecad.sh [BUILD FOLDER] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
kalo=$(realpath "${1:-build}/kalo")
runs=${2:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 - "$work" <<'PYTHON'
import math, sys
sys.path.insert(0, "tests/reference")
import check_bodies
work = sys.argv[1]
def text(v): return f"{v:.10f}"
# 1: the benchmark body of the other process benchmarks: a ribbed shaft with arcs.
body = [(0, 0, 0)] + [(i, 20 + i % 5, math.pi / 4 if i % 4 == 0 else 0) for i in range(2, 200)] + [(200, 0, 0)]
open(f"{work}/body.kal", "wb").write(check_bodies.data_file([tuple(map(text, e)) for e in body], "7.85", "5"))
# 2: a turned part of grooves and beads: 196 arcs along a shaft, closed along the axis.
part = [(0, 0, 0), (0, 30, 0)]
for i in range(197):
    part.append((5 + i * 2.5, 30, 0.9 if i % 2 else -0.9))
part[-1] = (part[-1][0], 30, 0)
part.append((part[-1][0], 0, 0))
open(f"{work}/part.kal", "wb").write(check_bodies.data_file([tuple(map(text, e)) for e in part], "7.85", "5"))
# kalo's values over the true arcs, for the comparison with FreeCAD.
open(f"{work}/kalo.cfg", "wb").write(check_bodies.configuration(True))
PYTHON

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
timed() {  # milliseconds of one run of the command, in $work
  local start end
  start=$(date +%s%N)
  (cd "$work" && "$@" > /dev/null 2>&1) || { echo "failed: $*" >&2; return 1; }
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

(cd "$work" && "$kalo" part.kal /STEP > /dev/null)
mv "$work/part.step" "$work/turned.step"
step_out=$(for _ in $(seq "$runs"); do timed "$kalo" body.kal /STEP; done | median)
step_in=$(for _ in $(seq "$runs"); do timed "$kalo" turned.step /I; done | median)
echo "kalo body.kal /STEP (200 elements):            $step_out ms (target < 100 ms)"
echo "kalo turned.step /I ($(du -k "$work/turned.step" | cut -f1) KB, $(grep -c "" "$work/turned.step") lines): $step_in ms (target < 1000 ms)"
grep -a "Abweichung\|stimmt" "$work/turned.txt" | iconv -f CP850 -t UTF-8 | sed 's/^/    /'

command -v freecadcmd > /dev/null || { echo "freecadcmd not found: no comparison with FreeCAD"; exit 0; }
cat > "$work/volume.py" <<PYTHON
import Part
shape = Part.read("$work/turned.step")
open("$work/freecad_volume.txt", "w").write(repr(shape.Volume))
PYTHON
freecad=$(for _ in $(seq "$runs"); do timed freecadcmd "$work/volume.py"; done | median)
echo "FreeCAD opening turned.step, volume:          $freecad ms ($(/usr/bin/python3 -c "print(f'{$freecad / max($step_in, 1):.1f}')")x kalo's time; target >= 5x)"

cat > "$work/check.py" <<PYTHON
import Part
shape = Part.read("$work/body.step")
open("$work/freecad_body.txt", "w").write(f"{len(shape.Solids)} {shape.isValid()} {shape.Volume!r} {shape.Area!r}")
PYTHON
(cd "$work" && HOME="$work" XDG_CONFIG_HOME="$work" "$kalo" body.kal /JSON > /dev/null)
(cd "$work" && freecadcmd "$work/check.py" > /dev/null 2>&1)
/usr/bin/python3 - "$work" <<'PYTHON'
import json, sys
work = sys.argv[1]
solids, valid, volume, area = open(f"{work}/freecad_body.txt").read().split()
solid = json.load(open(f"{work}/body.json"))["solid"]
print(f"FreeCAD reading kalo's body.step: {solids} solid(s), valid {valid}; against kalo's exact values: volume "
      f"{abs(float(volume) / solid['V_mm3'] - 1):.1e}, surface {abs(float(area) / solid['surface_mm2'] - 1):.1e} relative")
PYTHON
