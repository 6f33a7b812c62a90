#!/usr/bin/python3
"""The entities of DXF drawings as ezdxf reads them, one line each, for comparison with the
program's own reader: usage: dxf_entities.py OUT PATH... (the lines go to the file OUT)

Each drawing: a line "FILE name", then per entity of the model space and of each block (in
file order, blocks by name) "BLOCK TYPE LAYER x y count": its first point (start, centre,
insertion point, first vertex or control point) and how many vertices or control points it
has (0 for the others)."""
import sys

import ezdxf

KINDS = ("LINE", "ARC", "CIRCLE", "POLYLINE", "LWPOLYLINE", "SPLINE", "ELLIPSE", "INSERT")


def first_point(e):
    kind = e.dxftype()
    if kind == "LWPOLYLINE":
        points = list(e.get_points("xy"))
        return points[0], len(points)
    if kind == "POLYLINE":
        points = [v.dxf.location for v in e.vertices]
        return points[0], len(points)
    if kind == "SPLINE":
        points = list(e.control_points) or list(e.fit_points)
        return points[0], len(points)
    if kind == "LINE":
        return e.dxf.start, 0
    if kind == "INSERT":
        return e.dxf.insert, 0
    return e.dxf.center, 0


def lines(out, name, space):
    for e in space:
        if e.dxftype() not in KINDS or e.dxf.get("paperspace", 0):
            continue
        (x, y, *_), count = first_point(e)
        out.write(f"{name} {e.dxftype()} {e.dxf.layer} {x:.9g} {y:.9g} {count}\n")


with open(sys.argv[1], "w", encoding="utf-8") as out:
    for path in sys.argv[2:]:
        doc = ezdxf.readfile(path)
        out.write("FILE " + path.rsplit("/", 1)[-1] + "\n")
        lines(out, "*MODEL", doc.modelspace())
        for block in sorted(doc.blocks, key=lambda b: b.name.upper()):
            if not block.name.startswith("*"):
                lines(out, block.name.upper(), block)
