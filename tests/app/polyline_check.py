#!/usr/bin/python3
"""Checks that a DXF file, read and audited by ezdxf, holds exactly one closed polyline
with the given vertices.

usage: polyline_check.py DRAWING.dxf X,Y,BULGE ...
"""
import sys

import ezdxf


def main():
    doc = ezdxf.readfile(sys.argv[1])
    if doc.audit().has_errors:
        print("audit errors", file=sys.stderr)
        return 1
    polylines = [e for e in doc.modelspace() if e.dxftype() == "POLYLINE"]
    if len(polylines) != 1 or not polylines[0].is_closed:
        print(f"{len(polylines)} polylines, expected one closed", file=sys.stderr)
        return 1
    found = [(v.dxf.location.x, v.dxf.location.y, v.dxf.bulge) for v in polylines[0].vertices]
    expected = [tuple(float(value) for value in vertex.split(",")) for vertex in sys.argv[2:]]
    if len(found) != len(expected):
        print(f"{len(found)} vertices, expected {len(expected)}", file=sys.stderr)
        return 1
    for got, want in zip(found, expected):
        if any(abs(a - b) > 1e-6 for a, b in zip(got, want)):
            print(f"vertex {got} differs from {want}", file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
