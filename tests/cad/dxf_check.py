#!/usr/bin/python3
"""Reads a DXF file with ezdxf, fails on audit errors, and writes what it holds as JSON.

usage: dxf_check.py DRAWING.dxf RESULT.json

The result lists the entity count per "layer:type" of the model space and of every block,
the layer table (name: [colour, line type]) and every polyline with its vertices
(x, y, bulge rounded to 6 decimals).
"""
import json
import sys

import ezdxf


def counts(entities):
    result = {}
    for entity in entities:
        key = f"{entity.dxf.layer}:{entity.dxftype()}"
        result[key] = result.get(key, 0) + 1
    return result


def polylines(entities):
    result = []
    for entity in entities:
        if entity.dxftype() != "POLYLINE":
            continue
        vertices = [[round(float(v.dxf.location.x), 6), round(float(v.dxf.location.y), 6), round(float(v.dxf.bulge), 6)]
                    for v in entity.vertices]
        result.append({"layer": entity.dxf.layer, "closed": entity.is_closed, "vertices": vertices})
    return result


def main():
    doc = ezdxf.readfile(sys.argv[1])
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
        "extmax": [round(v, 6) for v in doc.header.get("$EXTMAX", (0, 0))[:2]],
    }
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        json.dump(result, out, sort_keys=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
