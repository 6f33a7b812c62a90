#!/usr/bin/python3
"""Checks that nothing of a drawing lies outside its extents, in every file format of one view.

usage: extents_check.py NAME      (reads NAME.dxf, NAME.svg, NAME.pdf and NAME.txt)

DXF: every entity ezdxf reads (blocks inserted, polylines split) against $EXTMIN/$EXTMAX,
texts with their width measured by PIL in the font fontconfig gives for Arial.
SVG: every path and text against the viewBox. PDF: the page rendered by poppler's pdftoppm
must be blank along its edges, and the page must have the size of the DXF extents.
TXT: every record's points against the MINMAX record.
Prints what lies outside and ends with 1; ends with 0 when everything is inside.
"""
import math
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

import ezdxf
from ezdxf import bbox
from PIL import ImageFont

SVG = "{http://www.w3.org/2000/svg}"
TOLERANCE = 1e-3
FONT_FILE = subprocess.run(["fc-match", "-f", "%{file}", "Arial"], capture_output=True, text=True).stdout
FONT_SIZE = 100
FONT = ImageFont.truetype(FONT_FILE, FONT_SIZE)
ASCENT, DESCENT = (value / FONT_SIZE for value in FONT.getmetrics())
CAP_HEIGHT = 0.72


def text_corners(text, x, y, height, width_factor, degrees):
    """The box of a text from its base line start; y upwards, rotation counter-clockwise."""
    size = height / CAP_HEIGHT
    width = FONT.getlength(text) / FONT_SIZE * size * width_factor
    turn = math.radians(degrees)
    for u, v in ((0, -DESCENT * size), (width, -DESCENT * size), (width, ASCENT * size), (0, ASCENT * size)):
        yield x + u * math.cos(turn) - v * math.sin(turn), y + u * math.sin(turn) + v * math.cos(turn)


class Box:
    def __init__(self, xmin, ymin, xmax, ymax, name):
        self.xmin, self.ymin, self.xmax, self.ymax, self.name = xmin, ymin, xmax, ymax, name
        self.outside = []

    def check(self, x, y, what):
        if not (self.xmin - TOLERANCE <= x <= self.xmax + TOLERANCE and self.ymin - TOLERANCE <= y <= self.ymax + TOLERANCE):
            self.outside.append(f"{self.name}: {what} at ({x:.3f}, {y:.3f}) outside "
                                f"({self.xmin:.3f}, {self.ymin:.3f})-({self.xmax:.3f}, {self.ymax:.3f})")


def arc_points(cx, cy, r, start, end):
    """End points and the quadrant points an arc passes counter-clockwise (degrees)."""
    sweep = (end - start) % 360 or 360
    angles = [start, start + sweep] + [q for q in range(0, 720, 90) if 0 < q - start < sweep]
    return [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))) for a in angles]


def check_dxf(name):
    doc = ezdxf.readfile(name + ".dxf")
    lo, hi = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    box = Box(lo[0], lo[1], hi[0], hi[1], "DXF")

    def walk(entities):
        for e in entities:
            kind = e.dxftype()
            if kind in ("INSERT", "POLYLINE"):
                walk(e.virtual_entities())
            elif kind == "TEXT":
                for x, y in text_corners(e.dxf.text, e.dxf.insert.x, e.dxf.insert.y, e.dxf.height,
                                         e.dxf.width, e.dxf.rotation):
                    box.check(x, y, "text " + repr(e.dxf.text))
            else:
                extents = bbox.extents([e])
                if extents.has_data:
                    for corner in (extents.extmin, extents.extmax):
                        box.check(corner.x, corner.y, kind)

    walk(doc.modelspace())
    return box


def svg_arc_centre(x1, y1, r, large, sweep, x2, y2):
    mx, my = (x1 + x2) / 2, (y1 + y2) / 2
    half = math.hypot(x2 - x1, y2 - y1) / 2
    if half == 0:
        return mx, my
    rise = math.sqrt(max(r * r - half * half, 0))
    nx, ny = -(y2 - y1) / (2 * half), (x2 - x1) / (2 * half)
    sign = 1 if large != sweep else -1
    return mx + sign * rise * nx, my + sign * rise * ny


def check_svg(name):
    root = ET.parse(name + ".svg").getroot()
    _, _, width, height = (float(v) for v in root.get("viewBox").split())
    box = Box(0, 0, width, height, "SVG")
    for path in root.iter(SVG + "path"):
        tokens = re.findall(r"[MLAZ]|-?[\d.]+", path.get("d"))
        i, current = 0, (0, 0)
        while i < len(tokens):
            command = tokens[i]
            if command in "ML":
                current = float(tokens[i + 1]), float(tokens[i + 2])
                box.check(*current, "path")
                i += 3
            elif command == "A":
                r, large, sweep = float(tokens[i + 1]), int(tokens[i + 4]), int(tokens[i + 5])
                end = float(tokens[i + 6]), float(tokens[i + 7])
                cx, cy = svg_arc_centre(*current, r, large, sweep, *end)
                # Page y runs downwards: flip to measure angles counter-clockwise as seen.
                a1 = math.degrees(math.atan2(cy - current[1], current[0] - cx))
                a2 = math.degrees(math.atan2(cy - end[1], end[0] - cx))
                start, stop = (a1, a2) if sweep == 0 else (a2, a1)
                for x, y in arc_points(cx, -cy, r, start, stop):
                    box.check(x, -y, "arc")
                current = end
                i += 8
            else:
                i += 1
    for text in root.iter(SVG + "text"):
        numbers = [float(v) for v in re.findall(r"-?[\d.]+", text.get("transform"))]
        x, y, rotation, _, width_factor = numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]
        height = float(text.get("font-size")) * CAP_HEIGHT
        for cx, cy in text_corners(text.text or "", x, -y, height, width_factor, -rotation):
            box.check(cx, -cy, "text " + repr(text.text))
    return box


def check_pdf(name, dxf_box):
    box = Box(0, 0, 0, 0, "PDF")
    info = subprocess.run(["pdfinfo", name + ".pdf"], capture_output=True, text=True).stdout
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info)
    width_mm, height_mm = (float(v) * 25.4 / 72 for v in size.groups())
    if abs(width_mm - (dxf_box.xmax - dxf_box.xmin)) > 0.05 or abs(height_mm - (dxf_box.ymax - dxf_box.ymin)) > 0.05:
        box.outside.append(f"PDF: page {width_mm:.2f} x {height_mm:.2f} mm differs from the DXF extents")
    image = subprocess.run(["pdftoppm", "-r", "100", "-gray", name + ".pdf"], capture_output=True).stdout
    header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+255\s", image)
    columns, rows = int(header.group(1)), int(header.group(2))
    pixels = image[header.end():]
    edge = [pixels[r * columns + c] for r in range(rows) for c in (0, columns - 1)]
    edge += [pixels[r * columns + c] for r in (0, rows - 1) for c in range(columns)]
    if min(edge) < 250:
        box.outside.append("PDF: ink on the edge of the page")
    return box


def check_txt(name):
    with open(name + ".txt", encoding="latin-1") as file:
        records = [line.rstrip("\r\n").split("\t") for line in file]
    number = lambda v: float(v.replace(",", "."))
    minmax = next(r for r in records if r[0] == "MINMAX")
    box = Box(*(number(v) for v in minmax[1:5]), "TXT")
    for r in records:
        if r[0] in ("LINE", "SOLID"):
            values = [number(v) for v in r[1:]]
            for k in range(0, len(values), 2):
                box.check(values[k], values[k + 1], r[0])
        elif r[0] == "CIRCLE":
            x, y, radius = (number(v) for v in r[1:4])
            for px, py in arc_points(x, y, radius, 0, 360):
                box.check(px, py, "CIRCLE")
        elif r[0] == "ARC":
            x, y, radius, start, end = (number(v) for v in r[1:6])
            for px, py in arc_points(x, y, radius, start, end):
                box.check(px, py, "ARC")
        elif r[0] == "TEXT":
            box.check(number(r[1]), number(r[2]), "TEXT")
    return box


def main(name):
    dxf = check_dxf(name)
    boxes = [dxf, check_svg(name), check_pdf(name, dxf), check_txt(name)]
    problems = [line for box in boxes for line in box.outside]
    if problems:
        print("\n".join(problems[:20]), file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
