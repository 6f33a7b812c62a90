#!/usr/bin/env bash
# The DXF contour import against ezdxf and against the least any reader must do, on a
# foreign drawing of about 26 MB: ezdxf (R2018, with handles and the objects section) writes
# 150,000 lines on other layers and a contour of 200 LINE and ARC entities on the program's
# contour layer "5". Then, RUNS times each, the whole command line chain
# `kalo drawing.dxf /I /NOGUI` (start, import, calculation, report, exit) is timed from
# outside, ezdxf.readfile of the same file inside Python (without Python's start), and the
# minimal C program bench/dxf_pair_splitter.c that only splits the file into group pairs
# (whole process, built here with cc -O2). The medians and ratios are printed; the targets:
# kalo at least 30 times faster than ezdxf, and within 3 times of the splitter.
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

doc = ezdxf.new("R2018", units=4)
msp = doc.modelspace()
LAYERS = ("MASSE", "KANTEN", "HILFSLINIEN", "SCHRAFFUR")


def others(first, count):
    for i in range(first, first + count):
        x = i * 7919 % 1000 + i / 161803.0
        y = i * 104729 % 700 + i / 241421.0
        msp.add_line((x, y), (x + 10 + i % 7, y + 3 - i % 5), dxfattribs={"layer": LAYERS[i % 4]})


# A ribbed outline of 200 points along the top, every fourth one rounded by a 45 degree arc.
points = [(0.0, 0.0, 0.0)] + [(float(i), 20.0 + i % 5, math.tan(math.pi / 16) if i % 4 == 0 else 0.0)
                              for i in range(2, 200)] + [(200.0, 0.0, 0.0)]
others(0, 75000)
for (x1, y1, bulge), (x2, y2, _) in zip(points, points[1:] + points[:1]):
    if bulge == 0:
        msp.add_line((x1, y1), (x2, y2), dxfattribs={"layer": "5"})
    else:
        centre, start, end, radius = bulge_to_arc((x1, y1), (x2, y2), bulge)
        msp.add_arc(centre, radius, math.degrees(start), math.degrees(end), dxfattribs={"layer": "5"})
others(75000, 75000)
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

cc -O2 -o "$work/splitter" bench/dxf_pair_splitter.c
least=$(for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$work/splitter" "$work/zeichnung.dxf" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
done | median)

size=$(stat -c %s "$work/zeichnung.dxf")
echo "drawing: $((size / 1000000)) MB, 150,000 lines on other layers and a contour of 200 elements"
echo "kalo zeichnung.dxf /I /NOGUI: median $ours ms of $runs runs (whole process)"
echo "ezdxf.readfile:                median $theirs ms of $runs runs"
echo "C group pair splitter:         median $least ms of $runs runs (whole process)"
awk -v a="$ours" -v b="$theirs" 'BEGIN {printf "ezdxf / kalo: %.1f (target at least 30)\n", b / a}'
awk -v a="$ours" -v c="$least" 'BEGIN {printf "kalo / splitter: %.1f (target at most 3)\n", a / (c > 0 ? c : 1)}'
