#!/usr/bin/python3
"""Seeded drawings of revolved parts as CAD programs write them, with ezdxf, and the area and
volume the contour import must give, computed here from the part's own definition.

usage: dxf_generator.py FOLDER CLASS/VERSION/SEED...
writes FOLDER/CLASS_VERSION_SEED.dxf for each and one JSON line for each into
FOLDER/expected.jsonl:
{"name": file name, "A": mm2, "V": mm3, "dA": allowed, "dV": allowed, "note": text the
messages must hold}.

The part is a stepped shaft drawn as its half section above the axis (x along the axis, y
the radius), sometimes with a fillet, an elliptical or spline bump; the classes place it in
the drawing the ways engineers do.
"""
import json
import math
import random
import sys

import ezdxf

SAMPLES = 4000  # polygon points per piece for the reference values
APPROXIMATION = 0.001  # mm, the import's tolerance for splines and ellipses


class Line:
    def __init__(self, a, b):
        self.a, self.b = a, b

    def point(self, t):
        return (self.a[0] + t * (self.b[0] - self.a[0]), self.a[1] + t * (self.b[1] - self.a[1]))

    def mirrored(self):
        return Line((self.b[0], -self.b[1]), (self.a[0], -self.a[1]))

    def emit(self, msp, place, attribs, spline_lines=False):
        if spline_lines:
            msp.add_open_spline([place.point(self.a), place.point(self.b)], degree=1, dxfattribs=attribs)
        else:
            msp.add_line(place.point(self.a), place.point(self.b), dxfattribs=attribs)


class Arc:
    """Counter-clockwise from angle a0 to a1 (degrees) when ccw, else clockwise."""

    def __init__(self, c, r, a0, a1, ccw=True):
        self.c, self.r, self.a0, self.a1, self.ccw = c, r, a0, a1, ccw

    def angle(self, t):
        sweep = (self.a1 - self.a0) % 360 if self.ccw else -((self.a0 - self.a1) % 360)
        return math.radians(self.a0 + t * sweep)

    def point(self, t):
        a = self.angle(t)
        return (self.c[0] + self.r * math.cos(a), self.c[1] + self.r * math.sin(a))

    def mirrored(self):
        return Arc((self.c[0], -self.c[1]), self.r, -self.a1, -self.a0, self.ccw)

    def emit(self, msp, place, attribs, spline_lines=False):
        start, end = (self.a0, self.a1) if self.ccw else (self.a1, self.a0)
        if place.mirror:
            start, end = -end, -start
        msp.add_arc(place.point(self.c), self.r * place.scale, start + place.angle, end + place.angle,
                    dxfattribs=attribs)


class Ellipse:
    """Half an ellipse above the centre, from (c + a, c) to (c - a, c), b high."""

    def __init__(self, c, a, b):
        self.c, self.a, self.b = c, a, b

    def point(self, t):
        u = math.pi * t
        return (self.c[0] + self.a * math.cos(u), self.c[1] + self.b * math.sin(u))

    def emit(self, msp, place, attribs, spline_lines=False):
        major = place.vector((self.a, 0)) if self.a >= self.b else place.vector((0, self.b))
        ratio = min(self.a, self.b) / max(self.a, self.b)
        start, end = (0, math.pi) if self.a >= self.b else (-math.pi / 2, math.pi / 2)
        msp.add_ellipse(place.point(self.c), major, ratio, start, end, dxfattribs=attribs)


class Bezier:
    def __init__(self, points):
        self.points = points

    def point(self, t):
        p = self.points
        w = [(1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3]
        return (sum(w[i] * p[i][0] for i in range(4)), sum(w[i] * p[i][1] for i in range(4)))

    def emit(self, msp, place, attribs, spline_lines=False):
        msp.add_open_spline([place.point(p) for p in self.points], degree=3, dxfattribs=attribs)


class FitPointArc(Arc):
    """An arc written as a spline through points on it, with its end tangents, as CAD
    programs write splines drawn through points."""

    def emit(self, msp, place, attribs, spline_lines=False):
        points = [place.point(self.point(k / 24)) for k in range(25)]
        spline = msp.add_spline(points, degree=3, dxfattribs=attribs)

        def tangent(t):
            a = self.angle(t)
            turn = 1 if self.ccw else -1
            return place.vector((-turn * math.sin(a), turn * math.cos(a))) + (0.0,)

        spline.dxf.start_tangent = tangent(0)
        spline.dxf.end_tangent = tangent(1)


class Placement:
    """Drawing = turned by angle (degrees), scaled, mirrored at the x axis first, shifted."""

    def __init__(self, angle=0.0, scale=1.0, shift=(0.0, 0.0), mirror=False):
        self.angle, self.scale, self.shift, self.mirror = angle, scale, shift, mirror

    def vector(self, v):
        x, y = v[0], -v[1] if self.mirror else v[1]
        a = math.radians(self.angle)
        return (self.scale * (x * math.cos(a) - y * math.sin(a)), self.scale * (x * math.sin(a) + y * math.cos(a)))

    def point(self, p):
        v = self.vector(p)
        return (v[0] + self.shift[0], v[1] + self.shift[1])


def reference(pieces):
    """Area and volume about the x axis of the region the pieces enclose counter-clockwise."""
    points = []
    for piece in pieces:
        points += [piece.point(k / SAMPLES) for k in range(SAMPLES)]
    area = moment = 0.0
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        cross = x1 * y2 - x2 * y1
        area += cross / 2
        moment += cross * (y1 + y2) / 6
    length = sum(math.dist(p, q) for p, q in zip(points, points[1:] + points[:1]))
    return area, 2 * math.pi * moment, length


def shaft(rng, bump=None):
    """The half section, counter-clockwise from its start on the axis; the pieces that are
    curves get their own kinds."""
    x0 = rng.uniform(5, 20)
    steps = rng.randint(2, 4)
    lengths = [rng.uniform(15, 40) for _ in range(steps)]
    radii = [rng.uniform(8, 40) for _ in range(steps)]
    while abs(radii[0] - radii[-1]) < 2:
        radii[-1] = rng.uniform(8, 40)
    ends = [x0]
    for length in lengths:
        ends.append(ends[-1] + length)
    pieces = [Line((x0, 0), (ends[-1], 0))]
    fillet = rng.uniform(2, min(lengths[-1], radii[-1]) / 3) if bump == "fillet" else 0
    right = ends[-1]
    pieces.append(Line((right, 0), (right, radii[-1] - fillet)))
    if fillet:
        pieces.append(Arc((right - fillet, radii[-1] - fillet), fillet, 0, 90))
    for i in reversed(range(steps)):
        a, b, r = ends[i], ends[i + 1] - (fillet if i == steps - 1 else 0), radii[i]
        if i == steps - 1 and bump in ("ellipse", "spline", "fit"):
            middle, half = (a + b) / 2, (b - a) / 4
            height = rng.uniform(0.3, 0.9) * half
            pieces.append(Line((b, r), (middle + half, r)))
            if bump == "ellipse":
                pieces.append(Ellipse((middle, r), half, height))
            elif bump == "fit":
                pieces.append(FitPointArc((middle, r), half, 0, 180))
            else:
                pieces.append(Bezier([(middle + half, r), (middle + half / 2, r + 2 * height),
                                      (middle - half / 2, r + 2 * height), (middle - half, r)]))
            pieces.append(Line((middle - half, r), (a, r)))
        else:
            pieces.append(Line((b, r), (a, r)))
        below = radii[i - 1] if i > 0 else 0
        pieces.append(Line((a, r), (a, below)))
    return pieces


def full_section(pieces):
    """The outline of the whole section: the half section's outline without the axis, and
    its mirror image below the axis."""
    top = pieces[1:]
    top[0] = Line((top[0].a[0], -top[0].b[1]), top[0].b)  # the right face reaches down
    top[-1] = Line(top[-1].a, (top[-1].b[0], -top[-1].a[1]))  # the left face too
    bottom = [p.mirrored() for p in reversed(top[1:-1])]
    return top + bottom


def new_doc(version, units=4):
    return ezdxf.new(version, units=units, setup=True)


def emit_all(msp, pieces, place, attribs, spline_lines=False):
    for piece in pieces:
        piece.emit(msp, place, attribs, spline_lines)


def generate(kind, version, seed, path):
    rng = random.Random(f"{kind}/{version}/{seed}")
    bump = {"lines": "fillet", "polyline": None, "ellipse": "ellipse", "spline3": "spline", "fitspline": "fit",
            "block": "fillet", "vertical": "fillet"}.get(kind)
    pieces = shaft(rng, bump)
    area, volume, length = reference(pieces)
    expected = {"A": area, "V": volume, "dA": 1e-4 * area, "dV": 1e-4 * volume, "note": ""}
    doc = new_doc(version)
    msp = doc.modelspace()
    contour = {"layer": "KONTUR"}
    if kind in ("lines", "gap"):
        if kind == "gap":
            gap = rng.uniform(0.005, 0.03)
            pieces[0] = Line(pieces[0].a, (pieces[0].b[0] - gap, 0))
            expected["note"] = "Lücke"
        emit_all(msp, pieces, Placement(), contour)
    elif kind == "polyline":
        points = [p.a for p in pieces]
        if version == "R12":
            msp.add_polyline2d(points, close=True, dxfattribs=contour)
        else:
            msp.add_lwpolyline(points, close=True, dxfattribs=contour)
    elif kind in ("ellipse", "spline3", "fitspline"):
        emit_all(msp, pieces, Placement(), contour)
        expected["note"] = "Stützpunkten" if kind == "fitspline" else "angenähert"
        expected["dA"] = APPROXIMATION * length + 1e-4 * area
        expected["dV"] = 2 * math.pi * 80 * APPROXIMATION * length + 1e-4 * volume
    elif kind == "spline1":
        emit_all(msp, pieces, Placement(), contour, spline_lines=True)
    elif kind in ("inches", "metres"):
        unit, code, name = (25.4, 1, "Zoll") if kind == "inches" else (1000.0, 6, "Meter")
        doc = new_doc(version, units=code)
        msp = doc.modelspace()
        emit_all(msp, pieces, Placement(scale=1 / unit), contour)
        expected["note"] = name
    elif kind == "offset_axis":
        y0 = rng.uniform(50, 300)
        emit_all(msp, pieces, Placement(shift=(0, y0)), contour)
        centre = {"layer": "MITTELLINIE"} if version == "R12" else {"layer": "KONTUR", "linetype": "DASHDOT"}
        msp.add_line((-10, y0), (pieces[0].b[0] + 10, y0), dxfattribs=centre)
        # An edge on the drawing's x axis must not win over the centre line.
        msp.add_line((-50, 0), (300, 0), dxfattribs={"layer": "MASSE"})
        expected["note"] = "Mittellinie"
    elif kind == "vertical":
        emit_all(msp, pieces, Placement(angle=-90), contour)
        expected["note"] = "x = 0"
    elif kind == "full_section":
        y0 = rng.uniform(50, 300)
        emit_all(msp, full_section(pieces), Placement(shift=(rng.uniform(-50, 50), y0)), contour)
        expected["note"] = "Vollschnitt"
    elif kind == "frame":
        # The sheet's border round everything (as one polyline, or as four lines that the
        # title block's lines end on) and the title block: the border is the largest loop
        # reaching across the axis, yet never the contour.
        emit_all(msp, pieces, Placement(), {"layer": "0"})
        corners = [(-100, -100), (400, -100), (400, 250), (-100, 250)]
        if version == "R12":
            for a, b in zip(corners, corners[1:] + corners[:1]):
                msp.add_line(a, b)
        else:
            msp.add_lwpolyline(corners, close=True)
        for a, b in (((250, -100), (250, -40)), ((250, -40), (400, -40)), ((250, -70), (400, -70))):
            msp.add_line(a, b)
    elif kind == "untrimmed":
        x0, x1 = pieces[0].a[0], pieces[0].b[0]
        pieces_drawn = pieces[1:]
        emit_all(msp, pieces_drawn, Placement(), contour)
        msp.add_line((x0 - 5, 0), (x1 + 5, 0), dxfattribs=contour)
        msp.add_circle(((x0 + x1) / 2, 3), 1.5, dxfattribs=contour)
        expected["note"] = "geteilt"
    elif kind == "block":
        scale = rng.uniform(0.5, 3)
        mirror = rng.random() < 0.5
        inner = doc.blocks.new("PROFIL", base_point=(rng.uniform(-20, 20), rng.uniform(-20, 20)))
        emit_all(inner, pieces, Placement(), {"layer": "0"})
        inner.add_line((-10, 0), (pieces[0].b[0] + 10, 0), dxfattribs={"layer": "ACHSE"})
        outer = doc.blocks.new("BAUGRUPPE")
        outer.add_blockref("PROFIL", (rng.uniform(-50, 50), rng.uniform(-50, 50)),
                           dxfattribs={"rotation": rng.uniform(0, 360), "xscale": -scale if mirror else scale,
                                       "yscale": scale})
        msp.add_blockref("BAUGRUPPE", (rng.uniform(0, 100), rng.uniform(0, 100)),
                         dxfattribs={"rotation": rng.uniform(0, 360), "layer": "TEILE"})
        for key, power in (("A", 2), ("V", 3), ("dA", 2), ("dV", 3)):
            expected[key] *= scale ** power
        expected["note"] = "Mittellinie"
    else:
        raise SystemExit(f"unknown class {kind}")
    doc.saveas(path)
    return expected


if __name__ == "__main__":
    with open(f"{sys.argv[1]}/expected.jsonl", "w", encoding="utf-8") as out:
        for spec in sys.argv[2:]:
            kind, version, seed = spec.split("/")
            name = f"{kind}_{version}_{seed}.dxf"
            expected = generate(kind, version, int(seed), f"{sys.argv[1]}/{name}")
            out.write(json.dumps(dict(expected, name=name), ensure_ascii=False) + "\n")
