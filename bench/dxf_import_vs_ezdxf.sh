#!/usr/bin/env bash
# The DXF contour import against ezdxf on a foreign drawing of about 20 MB: ezdxf (R2018,
# with handles and the objects section) writes 100,000 entities on other layers (dimension
# lines, holes, arcs, texts, polylines) and a contour of 200 LINE and ARC entities on the
# program's contour layer "5". Then, RUNS times each, the whole command line chain
# `kalo drawing.dxf /I /NOGUI` (start, import, calculation, report, exit) is timed from
# outside, and ezdxf.readfile of the same file inside Python (without Python's start).
# The medians and their ratio are printed; the target is at least 10 times faster.
#   bench/dxf_import_vs_ezdxf.sh [RUNS] [BUILD FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
kalo=${2:-build}/kalo
[ -x "$kalo" ] || { echo "build $kalo first: scripts/build.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 - "$work/zeichnung.dxf" <<'EOF'
import math
import sys

import ezdxf
from ezdxf.math import bulge_to_arc

doc = ezdxf.new("R2018")
msp = doc.modelspace()


def others(first, count):
    for i in range(first, first + count):
        x = i * 7919 % 1000 + i / 161803.0
        y = i * 104729 % 700 + i / 241421.0
        kind = i % 5
        if kind == 0:
            msp.add_line((x, y), (x + 10, y + 3), dxfattribs={"layer": "MASSE"})
        elif kind == 1:
            msp.add_circle((x, y), 4, dxfattribs={"layer": "BOHRUNGEN"})
        elif kind == 2:
            msp.add_arc((x, y), 5, 10, 80, dxfattribs={"layer": "KANTEN"})
        elif kind == 3:
            msp.add_text(f"Position {i} Bohrung nach Norm", dxfattribs={"layer": "TEXTE", "insert": (x, y), "height": 2.5})
        else:
            msp.add_lwpolyline([(x, y), (x + 5, y), (x + 5, y + 5), (x, y + 5), (x, y + 8), (x + 3, y + 9), (x + 4, y + 7)],
                               dxfattribs={"layer": "HILFSLINIEN"})


# A ribbed outline of 200 points along the top, every fourth one rounded by a 45 degree arc.
points = [(0.0, 0.0, 0.0)] + [(float(i), 20.0 + i % 5, math.tan(math.pi / 16) if i % 4 == 0 else 0.0)
                              for i in range(2, 200)] + [(200.0, 0.0, 0.0)]
others(0, 50000)
for (x1, y1, bulge), (x2, y2, _) in zip(points, points[1:] + points[:1]):
    if bulge == 0:
        msp.add_line((x1, y1), (x2, y2), dxfattribs={"layer": "5"})
    else:
        centre, start, end, radius = bulge_to_arc((x1, y1), (x2, y2), bulge)
        msp.add_arc(centre, radius, math.degrees(start), math.degrees(end), dxfattribs={"layer": "5"})
others(50000, 50000)
doc.saveas(sys.argv[1])
EOF

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

ours=$(for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  (cd "$work" && "$OLDPWD/$kalo" zeichnung.dxf /I /NOGUI)
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
done | median)
[ -s "$work/zeichnung.txt" ] || { echo "kalo wrote no report" >&2; exit 1; }

theirs=$(/usr/bin/python3 - "$work/zeichnung.dxf" "$runs" <<'EOF' | median
import sys
import time

import ezdxf

for _ in range(int(sys.argv[2])):
    start = time.perf_counter()
    ezdxf.readfile(sys.argv[1])
    print(round((time.perf_counter() - start) * 1000))
EOF
)

size=$(stat -c %s "$work/zeichnung.dxf")
echo "drawing: $((size / 1000000)) MB, 100,000 entities on other layers and a contour of 200 elements"
echo "kalo zeichnung.dxf /I /NOGUI: median $ours ms of $runs runs (whole process)"
echo "ezdxf.readfile:                median $theirs ms of $runs runs"
awk -v a="$ours" -v b="$theirs" 'BEGIN {printf "ezdxf / kalo: %.1f (target at least 10)\n", b / a}'
