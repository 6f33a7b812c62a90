#!/usr/bin/python3
"""Writes DXF drawings as other CAD programs make them, with ezdxf, for the contour import.

usage: dxf_drawings.py KIND PATH

Most drawings hold the plate with one rounded corner: (0, 0), (100, 0), (100, 40), a
quarter circle about (60, 40) to (60, 80), then (0, 80).
"""
import math
import sys

import ezdxf

QUARTER_BULGE = math.tan(math.pi / 8)


def plate_lines(msp, layer):
    """The plate as LINE and ARC entities in shuffled order, some drawn backwards."""
    attributes = {"layer": layer}
    msp.add_line((100, 0), (0, 0), dxfattribs=attributes)
    msp.add_line((0, 80), (60, 80), dxfattribs=attributes)
    msp.add_arc((60, 40), 40, 0, 90, dxfattribs=attributes)
    msp.add_line((0, 0), (0, 80), dxfattribs=attributes)
    msp.add_line((100, 40), (100, 0), dxfattribs=attributes)


def add_lines(msp, ends):
    for start, end in ends:
        msp.add_line(start, end)


def lwpolyline(path):
    doc = ezdxf.new("R2000", units=4)
    doc.modelspace().add_lwpolyline(
        [(0, 0, 0), (100, 0, 0), (100, 40, QUARTER_BULGE), (60, 80, 0), (0, 80, 0)],
        format="xyb", close=True, dxfattribs={"layer": "KONTUR"})
    doc.saveas(path)


def shuffled(path):
    doc = ezdxf.new("R12", units=4)
    plate_lines(doc.modelspace(), "0")
    doc.saveas(path)


def mirrored(path):
    """The rounded corner drawn mirrored: an arc seen from below (extrusion 0, 0, -1)."""
    doc = ezdxf.new("R2013", units=4)
    msp = doc.modelspace()
    add_lines(msp, [((0, 0), (100, 0)), ((100, 0), (100, 40)), ((60, 80), (0, 80)), ((0, 80), (0, 0))])
    msp.add_arc((-60, 40), 40, 90, 180, dxfattribs={"extrusion": (0, 0, -1)})
    doc.saveas(path)


def annotated(path):
    """The plate on the program's contour layer "5" among dimension and centre lines, hatch
    lines, texts and a frame round everything on other layers."""
    doc = ezdxf.new("R2018", units=4)
    msp = doc.modelspace()
    plate_lines(msp, "5")
    msp.add_line((0, -10), (100, -10), dxfattribs={"layer": "MASSE"})
    msp.add_line((0, 0), (0, -12), dxfattribs={"layer": "MASSE"})
    msp.add_line((-10, 0), (110, 0), dxfattribs={"layer": "MITTE"})
    for k in range(1, 8):
        msp.add_line((10 * k, 0), (0, 10 * k), dxfattribs={"layer": "SCHRAFFUR"})
    msp.add_text("Platte", dxfattribs={"layer": "MASSE", "insert": (20, 90), "height": 5})
    msp.add_lwpolyline([(-20, -20), (120, -20), (120, 100), (-20, 100)], close=True,
                       dxfattribs={"layer": "RAHMEN"})
    doc.saveas(path)


def foreign_layers(path):
    """The plate on a layer of its own among loose lines on the same and other layers."""
    doc = ezdxf.new("R2010", units=4)
    msp = doc.modelspace()
    plate_lines(msp, "KONTUR")
    msp.add_line((-10, 0), (110, 0), dxfattribs={"layer": "MITTE"})
    msp.add_line((100, 40), (130, 40), dxfattribs={"layer": "KONTUR"})
    msp.add_line((130, 40), (130, 0), dxfattribs={"layer": "MASSE"})
    doc.saveas(path)


def two_loops(path):
    """A ring section 20 by 50 and a smaller one 10 by 40 beside it, neither touching an axis."""
    doc = ezdxf.new("R2004", units=4)
    msp = doc.modelspace()
    msp.add_lwpolyline([(10, 10), (30, 10), (30, 60), (10, 60)], close=True, dxfattribs={"layer": "A"})
    msp.add_lwpolyline([(60, 10), (70, 10), (70, 50), (60, 50)], close=True, dxfattribs={"layer": "B"})
    doc.saveas(path)


def gap(path):
    doc = ezdxf.new("R12", units=4)
    msp = doc.modelspace()
    add_lines(msp, [((0, 0), (100, 0)), ((100, 0), (100, 39.5)), ((100, 40), (0, 40)), ((0, 40), (0, 0))])
    doc.saveas(path)


def spline(path):
    doc = ezdxf.new("R2007", units=4)
    msp = doc.modelspace()
    add_lines(msp, [((100, 40), (100, 0)), ((100, 0), (0, 0)), ((0, 0), (0, 40))])
    msp.add_spline([(0, 40), (30, 60), (70, 60), (100, 40)])
    doc.saveas(path)


def circle(path):
    doc = ezdxf.new("R2000", units=4)
    doc.modelspace().add_circle((0, 0), 50)
    doc.saveas(path)


def full_section(path):
    """A cylinder of radius 30 and length 100 drawn as full section across the axis."""
    doc = ezdxf.new("R2000", units=4)
    doc.modelspace().add_lwpolyline([(0, -30), (100, -30), (100, 30), (0, 30)], close=True)
    doc.saveas(path)


def many_points(path):
    doc = ezdxf.new("R2000", units=4)
    points = [(50 * math.cos(math.pi * k / 249), 50 * math.sin(math.pi * k / 249)) for k in range(250)]
    doc.modelspace().add_lwpolyline(points, close=True)
    doc.saveas(path)


def binary(path):
    doc = ezdxf.new("R2000", units=4)
    doc.modelspace().add_line((0, 0), (1, 1))
    doc.saveas(path, fmt="bin")


def wavy_spline(path):
    """A plate whose top is a cubic spline waving through 60 control points: followed within
    0.001 mm it takes more than 200 arcs."""
    doc = ezdxf.new("R2018", units=4)
    msp = doc.modelspace()
    add_lines(msp, [((100, 40), (100, 0)), ((100, 0), (0, 0)), ((0, 0), (0, 40))])
    msp.add_open_spline([(100 * k / 59, 40 + (5 if k % 2 else -5) * (0 < k < 59)) for k in range(60)], degree=3)
    doc.saveas(path)


KINDS = {function.__name__: function for function in (
    lwpolyline, shuffled, mirrored, annotated, foreign_layers, two_loops, gap, spline, circle, full_section,
    many_points, binary, wavy_spline)}

if __name__ == "__main__":
    KINDS[sys.argv[1]](sys.argv[2])
