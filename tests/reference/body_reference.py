"""An independent calculation of a body of revolution's values at 40 digits (MPFR, through
gmpy2).

It shares nothing with the program's own calculation: every area integral is taken by
Green's theorem as the boundary integral of -x^a*y^(b+1)/(b+1) dx, over straight lines as
the exact integral of a polynomial in the line's parameter, over circular arcs as the exact
integral of a Laurent polynomial in z = exp(i*alpha). The precision is raised for arcs of
large radius, whose terms cancel, so that every value holds its 40 digits.

A contour is a list of (x, y, phi) with phi in radians, all as decimal strings or mpf; the
segment from point i to point i+1 is an arc of angle phi_i (0: straight); the last point
closes straight back to the first.
"""
import contextlib
import math

import gmpy2
from gmpy2 import mpc, mpfr

PRECISION = 136  # bits: 40 decimal digits
gmpy2.get_context().precision = PRECISION


@contextlib.contextmanager
def precision(bits):
    with gmpy2.local_context(gmpy2.get_context(), precision=bits):
        yield

# The integrands x^a * y^b of the values, by name.
MOMENTS = {"A": (0, 0), "Sx": (0, 1), "Sy": (1, 0), "Ixx": (0, 2), "Iyy": (2, 0), "Ixy": (1, 1),
           "Y3": (0, 3), "X2Y": (2, 1)}


def gauss_nodes():
    """The 4-point Gauss-Legendre rule on [0, 1]: exact for polynomials up to degree 7."""
    root = gmpy2.sqrt(mpfr(6) / 5)
    inner, outer = gmpy2.sqrt((3 - 2 * root) / 7), gmpy2.sqrt((3 + 2 * root) / 7)
    w_inner, w_outer = (18 + gmpy2.sqrt(mpfr(30))) / 36, (18 - gmpy2.sqrt(mpfr(30))) / 36
    return [((1 + s * x) / 2, w / 2) for x, w in ((inner, w_inner), (outer, w_outer)) for s in (1, -1)]


GAUSS = gauss_nodes()


def line_moments(p1, p2, wanted):
    """The boundary integrals of -x^a*y^(b+1)/(b+1) dx along the line p1 -> p2, for the
    (a, b) in wanted: x and y are linear in t over [0, 1], the integrand a polynomial in t
    of degree 6 at most, which the Gauss rule integrates exactly."""
    (x1, y1), (x2, y2) = p1, p2
    dx, dy = x2 - x1, y2 - y1
    result = dict.fromkeys(wanted, mpfr(0))
    if dx == 0:
        return result
    for t, weight in GAUSS:
        x, y = x1 + dx * t, y1 + dy * t
        x_powers = (weight, weight * x, weight * x * x)
        y_powers = (1, y, y * y, y * y * y, y * y * y * y)
        for a, b in wanted:
            result[(a, b)] -= x_powers[a] * y_powers[b + 1] * dx / (b + 1)
    return result


def line_y_ds(p1, p2):
    (x1, y1), (x2, y2) = p1, p2
    return (y1 + y2) / 2 * gmpy2.hypot(x2 - x1, y2 - y1)


def arc_geometry(p1, p2, phi):
    """Centre, radius and start angle of the arc p1 -> p2 turning by phi."""
    (x1, y1), (x2, y2) = p1, p2
    dx, dy = x2 - x1, y2 - y1
    chord = gmpy2.hypot(dx, dy)
    # The centre lies on the chord's perpendicular bisector, on the left for 0 < phi < pi.
    offset = chord / 2 / gmpy2.tan(phi / 2)
    cx = (x1 + x2) / 2 - dy / chord * offset
    cy = (y1 + y2) / 2 + dx / chord * offset
    radius = gmpy2.hypot(x1 - cx, y1 - cy)
    return cx, cy, radius, gmpy2.atan2(y1 - cy, x1 - cx)


class Laurent:
    """A Laurent polynomial in z with complex coefficients: {power: coefficient}."""

    def __init__(self, terms):
        self.terms = {k: v for k, v in terms.items() if v != 0}

    def __mul__(self, other):
        result = {}
        for i, a in self.terms.items():
            for j, b in other.terms.items():
                result[i + j] = result.get(i + j, 0) + a * b
        return Laurent(result)

    def power(self, n):
        result = Laurent({0: mpc(1)})
        for _ in range(n):
            result = result * self
        return result

    def integral(self, sweep, ends):
        """The integral over alpha across the sweep, z = exp(i*alpha); ends[k] is
        exp(i*k*alpha) at the end minus at the start."""
        return sum((c * sweep if k == 0 else c * ends[k] / mpc(0, k) for k, c in self.terms.items()), mpc(0))


def arc_moments(p1, p2, phi, wanted):
    """The boundary integrals of the arc for the (a, b) in wanted, and its integral of y ds."""
    chord = gmpy2.hypot(p2[0] - p1[0], p2[1] - p1[1])
    cx, cy, radius, start = arc_geometry(p1, p2, phi)
    # Terms of the size of radius^5 cancel down to the size of the chord's.
    extra = int(5 * max(0, gmpy2.log2(radius / chord))) + 32
    with precision(PRECISION + extra):
        cx, cy, radius, start = arc_geometry(p1, p2, phi)
        # cos = (z + 1/z)/2, sin = (z - 1/z)/(2i)
        half, half_i = mpc(0.5), mpc(0, 0.5)
        sin = Laurent({1: -half_i, -1: half_i})
        x = Laurent({0: mpc(cx), 1: radius * half, -1: radius * half})
        y = Laurent({0: mpc(cy), 1: -radius * half_i, -1: radius * half_i})
        dx = Laurent({1: radius * half_i, -1: -radius * half_i})  # -radius*sin(alpha) dalpha
        ends = {k: gmpy2.exp(mpc(0, k * (start + phi))) - gmpy2.exp(mpc(0, k * start)) for k in range(-8, 9)}
        x_powers = [x.power(a) for a in range(3)]
        y_powers = [y.power(b) * dx for b in range(5)]
        result = {(a, b): -(x_powers[a] * y_powers[b + 1]).integral(phi, ends).real / (b + 1) for a, b in wanted}
        y_ds = (cy * abs(phi) * radius + radius * radius * sin.integral(phi, ends).real * (1 if phi > 0 else -1))
        return result, y_ds


def chord_points(p1, p2, phi, division_deg):
    """The chord rule of the arc division angle: round(|phi|/division) chords, ties to even,
    at least 2; the ends are the contour points themselves."""
    step = mpfr(division_deg) * gmpy2.const_pi() / 180
    count = max(int(gmpy2.rint(abs(phi) / step)), 2)
    cx, cy, radius, start = arc_geometry(p1, p2, phi)
    inner = [(cx + radius * gmpy2.cos(start + j * phi / count), cy + radius * gmpy2.sin(start + j * phi / count))
             for j in range(1, count)]
    return [p1] + inner + [p2]


def boundary(contour):
    """(p1, p2, phi) for every element; the last closes straight to the first."""
    points = [(mpfr(x), mpfr(y)) for x, y, _ in contour]
    angles = [mpfr(phi) for _, _, phi in contour]
    n = len(points)
    return [(points[i], points[(i + 1) % n], angles[i] if i + 1 < n else mpfr(0)) for i in range(n)]


def integrals(contour, division_deg, exact):
    """The region integrals of MOMENTS and the boundary integral of y ds."""
    wanted = list(MOMENTS.values())
    sums = {key: mpfr(0) for key in wanted}
    y_ds = mpfr(0)
    for p1, p2, phi in boundary(contour):
        if phi == 0 or p1 == p2:
            pieces = [(p1, p2)] if p1 != p2 else []
        elif exact:
            moments, arc_ds = arc_moments(p1, p2, phi, wanted)
            for key in wanted:
                sums[key] += moments[key]
            y_ds += arc_ds
            continue
        else:
            polygon = chord_points(p1, p2, phi, division_deg)
            pieces = list(zip(polygon, polygon[1:]))
        for q1, q2 in pieces:
            for key, value in line_moments(q1, q2, wanted).items():
                sums[key] += value
            y_ds += line_y_ds(q1, q2)
    values = {name: sums[key] for name, key in MOMENTS.items()}
    values["Yds"] = y_ds
    return values


def body_values(contour, density, division_deg, exact):
    """The values of the body as the program reports them (mm, kg, kg*m^2)."""
    t = integrals(contour, division_deg, exact)
    sense = 1 if t["A"] >= 0 else -1
    pi, micro = gmpy2.const_pi(), mpfr("1e-6")
    mass_factor = 2 * pi * mpfr(density) * micro
    mass = mass_factor * sense * t["Sx"]
    jx = mass_factor * micro * sense * t["Y3"]
    jy_origin = mass_factor * micro * sense * (t["X2Y"] + t["Y3"] / 2)
    xm = t["Ixy"] / t["Sx"]
    xs, ys = t["Sy"] / t["A"], t["Sx"] / t["A"]
    # The section values keep the sign of the contour's direction; volume, mass and Jx are
    # taken as magnitudes, the transverse values with the sign of the area.
    return {
        "A_mm2": t["A"], "Sx_mm3": t["Sx"], "Sy_mm3": t["Sy"], "Ixx_mm4": t["Ixx"], "Iyy_mm4": t["Iyy"],
        "Ixy_mm4": t["Ixy"], "xs_mm": xs, "ys_mm": ys, "Ixs_mm4": t["Ixx"] - ys * ys * t["A"],
        "Iys_mm4": t["Iyy"] - xs * xs * t["A"], "Ixys_mm4": t["Ixy"] - xs * ys * t["A"],
        "V_mm3": 2 * pi * abs(t["Sx"]), "m_kg": abs(mass), "Jx_kgm2": abs(jx), "xm_mm": xm,
        "Jy_origin_kgm2": jy_origin, "Jy_centre_kgm2": jy_origin - mass * xm * xm * micro,
        "surface_mm2": 2 * pi * t["Yds"],
    }
