#!/usr/bin/python3
"""Reads a DXF file with ezdxf, fails on undecodable texts and on audit errors, and writes
what it holds as JSON (UTF-8).

usage: dxf_check.py DRAWING.dxf RESULT.json

The result lists the entity count per "layer:type" of the model space and of every block,
the layer table (name: [colour, line type]), every polyline with its vertices (x, y, bulge
rounded to 6 decimals) with the midpoints of its arcs as ezdxf sees them, the solids' first
corners, the code page the file names and every text of the model space and the blocks.
"""
import json
import math
import sys

import ezdxf
import ezdxf.math


def counts(entities):
    result = {}
    for entity in entities:
        key = f"{entity.dxf.layer}:{entity.dxftype()}"
        result[key] = result.get(key, 0) + 1
    return result


def rounded(point):
    return [round(float(point[0]), 6), round(float(point[1]), 6)]


def arc_midpoints(polyline):
    """The middle of every arc segment, from ezdxf's reading of the bulges."""
    points = [v.dxf.location for v in polyline.vertices]
    bulges = [v.dxf.bulge for v in polyline.vertices]
    result = []
    for i, bulge in enumerate(bulges):
        if bulge == 0 or (i + 1 == len(points) and not polyline.is_closed):
            continue
        center, start, end, radius = ezdxf.math.bulge_to_arc(points[i], points[(i + 1) % len(points)], bulge)
        middle = start + ((end - start) % math.tau) / 2
        result.append(rounded(center + ezdxf.math.Vec2.from_angle(middle, radius)))
    return result


def polylines(entities):
    result = []
    for entity in entities:
        if entity.dxftype() != "POLYLINE":
            continue
        vertices = [rounded(v.dxf.location) + [round(float(v.dxf.bulge), 6)] for v in entity.vertices]
        result.append({"layer": entity.dxf.layer, "closed": entity.is_closed, "vertices": vertices})
    return result


def texts(doc):
    spaces = [doc.modelspace()] + [block for block in doc.blocks if not block.name.startswith("*")]
    return sorted(entity.dxf.text for space in spaces for entity in space if entity.dxftype() == "TEXT")


def main():
    try:
        doc = ezdxf.readfile(sys.argv[1], errors="strict")
    except UnicodeDecodeError as error:
        print(error, file=sys.stderr)
        return 1
    auditor = doc.audit()
    if auditor.has_errors:
        for error in auditor.errors:
            print(error.message, file=sys.stderr)
        return 1
    msp = doc.modelspace()
    result = {
        "entities": counts(msp),
        "blocks": {block.name: counts(block) for block in doc.blocks
                   if not block.name.startswith("*")},
        "layers": {layer.dxf.name: [layer.dxf.color, layer.dxf.linetype] for layer in doc.layers},
        "polylines": polylines(msp),
        "arc_midpoints": [arc_midpoints(e) for e in msp if e.dxftype() == "POLYLINE"],
        "solids": [rounded(e.dxf.vtx0) for e in msp if e.dxftype() == "SOLID"],
        "extmax": [round(v, 6) for v in doc.header.get("$EXTMAX", (0, 0))[:2]],
        "codepage": doc.header.get("$DWGCODEPAGE", ""),
        "texts": texts(doc),
    }
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        json.dump(result, out, sort_keys=True, ensure_ascii=False)
    return 0


if __name__ == "__main__":
    sys.exit(main())
