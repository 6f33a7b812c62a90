#!/usr/bin/python3
"""Compares an SVG drawing with the DXF drawing of the same view, read by programs of their own.

usage: page_check.py DRAWING.svg DRAWING.dxf

The SVG is parsed with python's XML parser, the DXF with ezdxf (blocks inserted and
polylines split into their segments as ezdxf sees them). Every line, arc, circle and solid
of the DXF must be one path of the SVG, and the SVG's texts must be the DXF's texts.
Prints what differs and ends with 1; ends with 0 when both agree.
"""
import sys
import xml.etree.ElementTree as ET

import ezdxf

SVG = "{http://www.w3.org/2000/svg}"
DRAWN = {"LINE", "ARC", "CIRCLE", "SOLID"}


def dxf_primitives(entities, paths, texts):
    for entity in entities:
        kind = entity.dxftype()
        if kind in ("INSERT", "POLYLINE", "LWPOLYLINE"):
            dxf_primitives(entity.virtual_entities(), paths, texts)
        elif kind in DRAWN:
            paths.append(kind)
        elif kind == "TEXT":
            texts.append(entity.dxf.text)


def main(svg_name, dxf_name):
    root = ET.parse(svg_name).getroot()
    svg_paths = len(root.findall(f".//{SVG}path"))
    svg_texts = sorted(element.text or "" for element in root.iter(f"{SVG}text"))
    paths, texts = [], []
    dxf_primitives(ezdxf.readfile(dxf_name).modelspace(), paths, texts)
    problems = []
    if svg_paths != len(paths):
        problems.append(f"{svg_paths} SVG paths, {len(paths)} DXF lines, arcs, circles and solids")
    if svg_texts != sorted(texts):
        problems.append(f"texts differ:\nSVG {svg_texts}\nDXF {sorted(texts)}")
    print("\n".join(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
