#!/usr/bin/env bash
# kalo --summary over COUNT data files of 50 straight elements (stepped shafts and rings,
# each one different): read, calculate, format and write one CSV row per body, on all
# cores, timed from outside as the median of RUNS runs. The target is at least 20,000
# bodies per second.
#
# For comparison FreeCAD's Part module (freecadcmd, Debian package freecad-python3)
# revolves the same polygon contours about the x axis in one process and computes volume,
# matrix of inertia and area; its per-body time is taken over the first FREECAD_COUNT
# bodies. FreeCAD is no part of the project and is not installed by it: without freecadcmd
# on PATH that part is skipped. The target is at least 300 times FreeCAD's rate.
#   bench/summary_vs_freecad.sh [COUNT] [RUNS] [BUILD FOLDER] [FREECAD_COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-10000}
runs=${2:-5}
kalo=${3:-build}/kalo
freecad_count=${4:-300}
[ -x "$kalo" ] || { echo "build $kalo first: scripts/build.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bodies"

# The data files, in the layout of data/examples, and the same contours as JSON for FreeCAD.
/usr/bin/python3 - "$work" "$count" <<'EOF'
import json
import sys

work, count = sys.argv[1], int(sys.argv[2])
template = open("data/examples/flange.kal", encoding="cp850", newline="").read().split("\r\n")
head = template[:template.index("No. Elements") + 1]
elements = int(template[len(head)])
tail = template[len(head) + 2 + 5 * elements:]  # from the density on
contours = []
for n in range(count):
    inner = n % 3 * 5.0  # a shaft or a ring
    top = [(4.0 * i, 20.0 + (i * 7 + n) % 13 + inner) for i in range(48)]
    points = [(0.0, inner)] + top[1:] + [(188.0, top[-1][1]), (188.0, inner)]
    contours.append(points)
    lines = list(head) + [str(len(points)), "----------------------"]
    for i, (x, y) in enumerate(points, 1):
        lines += [f"{i}. Punkt", f"{x:.3f}", f"{y:.3f}", "0.000", "------"]
    open(f"{work}/bodies/k{n:05d}.kal", "w", encoding="cp850", newline="").write("\r\n".join(lines + tail))
json.dump(contours, open(f"{work}/contours.json", "w"))
EOF

times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$kalo" --summary "$work/bodies" > "$work/table.csv"
  times+=($(( $(date +%s%N) - start )))
done
rows=$(( $(wc -l < "$work/table.csv") - 1 ))
[ "$rows" -eq "$count" ] || { echo "table has $rows rows, expected $count" >&2; exit 1; }
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
kalo_rate=$(( count * 1000000000 / median ))
echo "kalo --summary: $count bodies in $(( median / 1000000 )) ms (median of $runs) = $kalo_rate bodies/s on $(nproc) cores (target 20000)"

if ! command -v freecadcmd > /dev/null; then
  echo "FreeCAD: freecadcmd not found (Debian package freecad-python3), comparison skipped"
  exit 0
fi
cat > "$work/revolve.py" <<EOF
import json, time
import FreeCAD, Part
contours = json.load(open("$work/contours.json"))[:$freecad_count]
start = time.perf_counter()
for points in contours:
    wire = Part.makePolygon([FreeCAD.Vector(x, y, 0) for x, y in points + [points[0]]])
    solid = Part.Face(wire).revolve(FreeCAD.Vector(0, 0, 0), FreeCAD.Vector(1, 0, 0), 360)
    solid.Volume, solid.MatrixOfInertia, solid.Area
elapsed = time.perf_counter() - start
open("$work/freecad.txt", "w").write(f"{elapsed / len(contours)}\n")
EOF
freecadcmd "$work/revolve.py" > /dev/null 2>&1 || true
[ -s "$work/freecad.txt" ] || { echo "FreeCAD: the script failed, comparison skipped"; exit 0; }
/usr/bin/python3 - "$(cat "$work/freecad.txt")" "$kalo_rate" <<'EOF'
import sys
per_body, kalo_rate = float(sys.argv[1]), float(sys.argv[2])
print(f"FreeCAD Part: {per_body * 1000:.2f} ms per body = {1 / per_body:.0f} bodies/s; "
      f"kalo is {kalo_rate * per_body:.0f} times faster (target 300)")
EOF
