"""Seeded bodies of revolution of the kinds users draw, as contours of decimal strings.

Every body lies on or above the axis, arcs included, so that each one is a valid solid.
Coordinates are written with 17 significant digits; the reference reads the same strings.
"""
import math
import random


def text(value):
    return repr(float(value)) if value != 0 else "0"


def arc_circle(p1, p2, phi):
    """Centre, radius and start angle of the arc p1 -> p2 turning by phi (floats)."""
    (x1, y1), (x2, y2) = p1, p2
    chord = math.hypot(x2 - x1, y2 - y1)
    offset = chord / 2 / math.tan(phi / 2)
    cx = (x1 + x2) / 2 - (y2 - y1) / chord * offset
    cy = (y1 + y2) / 2 + (x2 - x1) / chord * offset
    return cx, cy, math.hypot(x1 - cx, y1 - cy), math.atan2(y1 - cy, x1 - cx)


def arc_lowest_y(p1, p2, phi):
    """The lowest y of the arc p1 -> p2 turning by phi (floats)."""
    (_, y1), (_, y2) = p1, p2
    cx, cy, radius, start = arc_circle(p1, p2, phi)
    # Does the arc pass the bottom of its circle (angle -pi/2)?
    turned = (-math.pi / 2 - start) % (2 * math.pi) if phi > 0 else (start + math.pi / 2) % (2 * math.pi)
    through_bottom = turned <= abs(phi)
    return cy - radius if through_bottom else min(y1, y2)


def with_arcs(points, rng, share, sweeps):
    """Gives a share of the segments an arc whose sweep comes from sweeps(rng), either
    direction; arcs that would dip below the axis are turned round or left straight."""
    contour = []
    n = len(points)
    for i, p in enumerate(points):
        phi = 0.0
        q = points[(i + 1) % n]
        if i + 1 < n and p != q and rng.random() < share:
            phi = sweeps(rng) * rng.choice((1, -1))
            if arc_lowest_y(p, q, phi) < 0:
                phi = -phi if arc_lowest_y(p, q, -phi) >= 0 else 0.0
        contour.append((p[0], p[1], phi))
    return contour


def any_sweep(rng):
    """From the smallest arcs to nearly full circles, logarithmically spread."""
    return math.radians(10 ** rng.uniform(-6, math.log10(359.99)))


def star_polygon(rng, count, touching_axis):
    """A simple polygon around a centre above the axis, counter-clockwise: the points seen
    from the centre in order, no two neighbours half a turn or more apart (else the closing
    edges could cross the others)."""
    cx, cy = rng.uniform(-50, 50), rng.uniform(30, 80)
    while True:
        angles = sorted(rng.uniform(0, 2 * math.pi) for _ in range(count))
        gaps = [b - a for a, b in zip(angles, angles[1:] + [angles[0] + 2 * math.pi])]
        if max(gaps) < math.pi * 0.95:
            break
    points = []
    for angle in angles:
        radius = rng.uniform(5, 29)
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    if touching_axis:
        low = min(range(count), key=lambda k: points[k][1])
        points = [(x, y - points[low][1]) for x, y in points]
        points[low] = (points[low][0], 0.0)
    return points


def rounded(points, rng, chance, chamfers):
    """Corners replaced by fillets tangent to both edges (or by chamfers), of random size."""
    contour = []
    n = len(points)
    for i, b in enumerate(points):
        a, c = points[i - 1], points[(i + 1) % n]
        u = (b[0] - a[0], b[1] - a[1])
        v = (c[0] - b[0], c[1] - b[1])
        lu, lv = math.hypot(*u), math.hypot(*v)
        turn = math.atan2(u[0] * v[1] - u[1] * v[0], u[0] * v[0] + u[1] * v[1])
        if rng.random() >= chance or abs(turn) < 1e-3 or abs(turn) > 3 or b[1] == 0:
            contour.append((b[0], b[1], 0.0))
            continue
        reach = rng.uniform(0.02, 0.45) * min(lu, lv)
        start = (b[0] - u[0] / lu * reach, b[1] - u[1] / lu * reach)
        end = (b[0] + v[0] / lv * reach, b[1] + v[1] / lv * reach)
        contour.append((start[0], start[1], 0.0 if chamfers else turn))
        contour.append((end[0], end[1], 0.0))
    return contour


def turned_part(rng):
    """A stepped shaft on the axis, counter-clockwise: along the axis, up the right face,
    back along the steps; shoulders with fillets tangent to them, the ends chamfered."""
    steps = rng.randint(1, 6)
    xs = sorted(rng.sample(range(5, 200), steps), reverse=True)
    length = 200 + rng.uniform(0, 50)
    radius = rng.uniform(5, 60)
    points = [(0.0, 0.0), (length, 0.0), (length, radius)]
    for x in xs:
        points.append((float(x), radius))
        radius = rng.uniform(5, 60)
        points.append((float(x), radius))
    points.append((0.0, radius))
    return rounded(points, rng, 0.8, rng.random() < 0.3)


def ball(rng):
    """A sphere, a ball end on a cylinder, or a hemispherical cup: arcs ending on the axis."""
    radius = rng.uniform(1, 100)
    kind = rng.randrange(3)
    if kind == 0:
        return [(radius, 0.0, math.pi), (-radius, 0.0, 0.0)]
    if kind == 1:
        length = rng.uniform(1, 200)
        return [(0.0, 0.0, 0.0), (length + radius, 0.0, math.pi / 2), (length, radius, 0.0), (0.0, radius, 0.0)]
    inner = radius * rng.uniform(0.2, 0.9)
    return [(radius, 0.0, math.pi / 2), (0.0, radius, 0.0), (0.0, inner, -math.pi / 2), (inner, 0.0, 0.0)]


def transformed(contour, rng):
    """Scaled to tiny or huge sizes and moved along and away from the axis; a tiny body not
    so far that its coordinates' last digits (written as doubles, read as extended reals)
    would change its shape by more than the tolerance."""
    scale = rng.choice((1, 1, 1e-4, 1e3, 10 ** rng.uniform(-3, 3)))
    far = 1e5 if scale >= 0.1 else 1e3
    shift_x = rng.choice((0, 0, far, -0.3 * far, rng.uniform(-1e3, 1e3)))
    shift_y = rng.choice((0, 0, 0, 0.1 * far, rng.uniform(0, 100)))
    return [(x * scale + shift_x, y * scale + shift_y, phi) for x, y, phi in contour]


SIMPLE_KINDS = (0, 2, 3)


def body(rng, kinds=range(5)):
    """One body: its contour as strings, its density and arc division angle."""
    return body_of_kind(rng, rng.choice(kinds))


def body_of_kind(rng, kind):
    """The body of that kind; kinds in SIMPLE_KINDS never cross themselves, the others
    (arcs of any sweep on a polygon's edges) often do."""
    if kind == 0:
        contour = with_arcs(star_polygon(rng, rng.choice((3, 4, 5, 8, 20, rng.randint(3, 200))), rng.random() < 0.5),
                            rng, 0, any_sweep)
    elif kind == 1:
        contour = with_arcs(star_polygon(rng, rng.randint(3, 12), rng.random() < 0.5), rng, 0.6, any_sweep)
    elif kind == 2:
        contour = turned_part(rng) if rng.random() < 0.7 else rounded(star_polygon(rng, rng.randint(3, 30), True), rng,
                                                                        0.7, False)
    elif kind == 3:
        contour = ball(rng)
    else:
        contour = with_arcs(star_polygon(rng, rng.randint(3, 6), True), rng, 1,
                            lambda r: math.radians(r.uniform(300, 359.99)))
    contour = transformed(contour, rng) if kind != 3 or rng.random() < 0.5 else contour
    division = rng.choice((5, 5, 3, 10, 30, rng.uniform(2, 30)))
    density = rng.choice((7.85, 2.7, 1, rng.uniform(0.5, 20)))
    return [(text(x), text(y), text(phi)) for x, y, phi in contour], text(density), text(division)
