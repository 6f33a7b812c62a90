#!/usr/bin/env python3
"""Checks the program's values of generated bodies against the 40-digit reference.

check_bodies.py KALO [--count N] [--seed S] [--jobs J]

Writes N seeded bodies (spheres, ball ends, turned parts with fillets and chamfers, random
polygons, arcs of every sweep in both directions, tiny, huge and far-off bodies) as data
files, runs `KALO --summary` on them with chords and with "Bögen exakt", and compares every
value with the reference: chord mode with the chord rule of the arc division angle, exact
mode with the true arcs, each within 1e-9. A sample also goes through /JSON for the section
values. Then the program is checked against itself: shifting along the axis, scaling,
reversing the contour, starting at another point and splitting a line leave the values as
they must be, and chords approach their arcs as the division angle shrinks.
Exit code 0 when all agree; every disagreement is printed with its body.
"""
import argparse
import csv
import json
import multiprocessing
import os
import random
import shutil
import subprocess
import sys
import tempfile

import mpmath as mp

import body_generator
import body_reference

TOLERANCE = 1e-9
# The message of an outline that crosses itself, in any code page.
CROSSING = "berschneidung El."
SUMMARY_KEYS = ["A_mm2", "V_mm3", "m_kg", "Jx_kgm2", "xm_mm", "Jy_centre_kgm2", "surface_mm2"]
JSON_SECTION_KEYS = ["A_mm2", "Sx_mm3", "Sy_mm3", "Ixx_mm4", "Iyy_mm4", "Ixy_mm4", "xs_mm", "ys_mm", "Ixs_mm4",
                     "Iys_mm4", "Ixys_mm4"]
HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))


def data_file(contour, density, division):
    """A data file of the program's layout: the shipped shaft with another contour, density
    and arc division."""
    with open(os.path.join(SOURCE, "data", "examples", "shaft.kal"), "rb") as f:
        lines = f.read().split(b"\r\n")
    head = lines.index(b"No. Elements") + 1
    tail = head + 2 + 5 * int(lines[head]) + 2
    elements = []
    for i, (x, y, phi) in enumerate(contour, 1):
        elements += [f"{i}. Punkt", x, y, phi, "------"]
    middle = [str(len(contour)), "-" * 22] + elements + [density, division]
    return b"\r\n".join(lines[:head] + [line.encode("ascii") for line in middle] + lines[tail:])


def configuration(exact):
    """The shipped initial settings with "Bögen exakt" on or off (written as people do)."""
    with open(os.path.join(SOURCE, "tests", "data", "config", "initial.cfg"), "rb") as f:
        lines = f.read().split(b"\r\n")
    key = lines.index("B\x94gen exakt".encode("latin-1"))
    lines[key + 1] = b"ja" if exact else b"0"
    return b"\r\n".join(lines)


def run_summary(kalo, folder, exact):
    """{file name: {key: float or message}} from one --summary run with the given mode."""
    with open(os.path.join(folder, "kalo.cfg"), "wb") as f:
        f.write(configuration(exact))
    environment = dict(os.environ, HOME=folder, XDG_CONFIG_HOME=folder, SOURCE_DATE_EPOCH="0")
    result = subprocess.run([kalo, "--summary", "bodies/"], cwd=folder, env=environment, capture_output=True)
    rows = csv.DictReader(result.stdout.decode("cp850").splitlines())
    return {os.path.basename(row["file"]): row for row in rows}, result.returncode


def run_json(kalo, folder, name):
    environment = dict(os.environ, HOME=folder, XDG_CONFIG_HOME=folder, SOURCE_DATE_EPOCH="0")
    subprocess.run([kalo, "bodies/" + name, "/JSON"], cwd=folder, env=environment, capture_output=True)
    with open(os.path.join(folder, name[:-4] + ".json"), encoding="utf-8") as f:
        return json.load(f)


def scales(reference):
    """What a value's error is measured against: values that may be near 0 by symmetry
    (first moments in x, the centre of mass) against the body's size."""
    size = max(abs(reference["Iyy_mm4"] / reference["A_mm2"]), abs(reference["Ixx_mm4"] / reference["A_mm2"])) ** 0.5
    area = abs(reference["A_mm2"])
    scale = {key: abs(value) for key, value in reference.items()}
    for key in ("xm_mm", "xs_mm"):
        scale[key] = max(scale[key], size)
    scale["Ixys_mm4"] = max(scale["Ixys_mm4"], abs(reference["Ixs_mm4"]), abs(reference["Iys_mm4"]))
    scale["Sy_mm3"] = max(scale["Sy_mm3"], area * size)
    scale["Ixy_mm4"] = max(scale["Ixy_mm4"], area * size * size)
    return scale


def reference_values(job):
    contour, density, division, exact = job
    values = body_reference.body_values(contour, density, float(division), exact)
    return {key: float(value) for key, value in values.items()}


def compare(name, mode, measured, reference, keys, failures):
    scale = scales(reference)
    for key in keys:
        got, want = float(measured[key]), reference[key]
        if not abs(got - want) <= TOLERANCE * scale[key]:
            failures.append(f"{name} {mode} {key}: program {got!r}, reference {want!r}, "
                            f"relative {abs(got - want) / scale[key]:.3g}")


def check_reference(kalo, folder, bodies, simple, jobs):
    failures = []
    modes = {"chords": False, "exact": True}
    with multiprocessing.Pool(jobs) as pool:
        work = [(contour, density, division, exact) for contour, density, division in bodies for exact in modes.values()]
        expected = pool.map(reference_values, work, chunksize=8)
    for index, (mode, exact) in enumerate(modes.items()):
        rows, code = run_summary(kalo, folder, exact)
        refused = 0
        for number in range(len(bodies)):
            name = f"b{number:05d}.kal"
            row, reference = rows.get(name), expected[2 * number + index]
            if row is not None and CROSSING in row["message"] and not simple[number]:
                refused += 1  # an outline that crosses itself is refused
                continue
            if row is None or row["message"] and not row["V_mm3"]:
                failures.append(f"{name} {mode}: no values: {row and row['message']}")
                continue
            compare(name, mode, row, reference, SUMMARY_KEYS, failures)
            if number % 20 == 0:
                document = run_json(kalo, folder, name)
                compare(name, mode, document["section"], reference, JSON_SECTION_KEYS, failures)
        if code != (1 if refused else 0):
            failures.append(f"--summary ({mode}) ended with {code}, {refused} bodies refused")
        print(f"{mode}: {refused} of {len(bodies)} bodies refused as crossing themselves "
              f"({len(bodies) - sum(simple)} may cross)")
    return failures


def summary_of(kalo, folder, contours, exact, divisions=None):
    """The program's values of a few bodies (density 7.85, division 5 unless given), by index."""
    bodies = os.path.join(folder, "bodies")
    shutil.rmtree(bodies, ignore_errors=True)
    os.mkdir(bodies)
    for number, contour in enumerate(contours):
        with open(os.path.join(bodies, f"v{number:05d}.kal"), "wb") as f:
            f.write(data_file(contour, "7.85", divisions[number] if divisions else "5"))
    rows, _ = run_summary(kalo, folder, exact)
    return [rows[f"v{number:05d}.kal"] for number in range(len(contours))]


def rotated(points, k):
    """The contour started at point k; the closing element stays straight when the element
    that ends at point k is."""
    return points[k:] + points[:k] if k == 0 or points[k - 1][2] == 0 else None


def reversed_contour(points):
    """The contour run the other way round from the same first point (its first element
    must be straight, as it becomes the closing one)."""
    if points[0][2] != 0:
        return None
    n = len(points)
    return [(points[0][0], points[0][1], 0.0)] + [(points[n - j][0], points[n - j][1], -points[n - j - 1][2])
                                                   for j in range(1, n)]


def split_line(points):
    """A straight element (the closing one when no other) split in its middle."""
    n = len(points)
    i = next((i for i in range(n - 1) if points[i][2] == 0), n - 1)
    j = (i + 1) % n
    middle = ((points[i][0] + points[j][0]) / 2, (points[i][1] + points[j][1]) / 2, 0.0)
    return points[:i + 1] + [middle] + points[i + 1:]


def variants(contour, rng):
    """The body shifted along the axis, scaled by 3, started at another point, reversed and
    with a straight element split in two, each with the changes its values must show:
    a factor, or ("shift", d) for a value moved by d."""
    points = [(float(x), float(y), float(phi)) for x, y, phi in contour]
    shift = rng.uniform(-500, 500)
    starts = [k for k in range(1, len(points)) if rotated(points, k)]
    turned = rotated(points, rng.choice(starts)) if starts else points
    backwards = reversed_contour(turned) or reversed_contour(points)
    cases = [([(x + shift, y, phi) for x, y, phi in points], {"xm_mm": ("shift", shift)}),
             ([(3 * x, 3 * y, phi) for x, y, phi in points],
              {"A_mm2": 9, "V_mm3": 27, "m_kg": 27, "Jx_kgm2": 243, "Jy_centre_kgm2": 243, "surface_mm2": 9,
               "xm_mm": 3}),
             (turned, {}), (split_line(points), {})]
    if backwards:
        cases.append((backwards, {"A_mm2": -1}))
    return [([tuple(body_generator.text(v) for v in point) for point in case], factors) for case, factors in cases]


def check_invariants(kalo, folder, bodies, rng):
    """Rounding of the moved coordinates is allowed for: a body far from the origin for its
    size keeps fewer digits of its shape."""
    failures = []
    for exact in (False, True):
        for contour, _, _ in bodies:
            cases = variants(contour, rng)
            rows = summary_of(kalo, folder, [contour] + [case for case, _ in cases], exact)
            refused = [row["message"] for row in rows if not row["V_mm3"]]
            if refused:
                failures.append(f"invariant ({'exact' if exact else 'chords'}): {refused} for {contour}")
                continue
            base = {key: float(rows[0][key]) for key in SUMMARY_KEYS}
            size = max(abs(base["A_mm2"]), 1e-300) ** 0.5
            for (case, factors), row in zip(cases, rows[1:]):
                spread = max(max(abs(float(x)), abs(float(y))) for x, y, _ in contour + case) / size
                tolerance = 1e-11 + 1e-13 * spread
                for key in SUMMARY_KEYS:
                    factor = factors.get(key, 1)
                    shifted = isinstance(factor, tuple)
                    want = base[key] + factor[1] if shifted else base[key] * factor
                    scale = abs(want)
                    if key == "xm_mm":  # against the body's size and how far it was moved
                        scale = max(scale, 3 * size + (abs(factor[1]) if shifted else 0))
                    got = float(row[key])
                    if not abs(got - want) <= tolerance * scale:
                        failures.append(f"invariant ({'exact' if exact else 'chords'}) {key}: {got!r} != {want!r} "
                                        f"for {factors} of {contour}")
    return failures


def check_convergence(kalo, folder, bodies):
    """Chords approach the true arcs as the division angle shrinks: a quarter of the angle
    leaves about a sixteenth of the difference in volume (a sixth at least, as the chord
    counts are rounded)."""
    failures = []
    # Arcs of at least 16 degrees: each gets more chords at the finer division.
    sweeps = lambda contour: [abs(float(phi)) for _, _, phi in contour[:-1] if float(phi) != 0]
    with_arcs = [contour for contour, _, _ in bodies if sweeps(contour) and min(sweeps(contour)) >= 0.28]
    for contour in with_arcs[:20]:
        exact = float(summary_of(kalo, folder, [contour], True)[0]["V_mm3"])
        rows = summary_of(kalo, folder, [contour, contour], False, ["8", "2"])
        coarse, fine = (abs(float(row["V_mm3"]) - exact) for row in rows)
        if coarse > 1e-9 * exact and not fine < coarse / 6:
            failures.append(f"convergence: volume off by {coarse!r} at 8 degrees, {fine!r} at 2 for {contour}")
    return failures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kalo")
    parser.add_argument("--count", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=int(os.environ.get("KALO_REFERENCE_SEED", "20261207")))
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    kinds = [rng.choice(range(5)) for _ in range(args.count)]
    bodies = [body_generator.body_of_kind(rng, kind) for kind in kinds]
    simple = [kind in body_generator.SIMPLE_KINDS for kind in kinds]
    simple_bodies = [b for b, s in zip(bodies, simple) if s]
    folder = tempfile.mkdtemp(prefix="kalo-reference-")
    try:
        os.mkdir(os.path.join(folder, "bodies"))
        for number, (contour, density, division) in enumerate(bodies):
            with open(os.path.join(folder, "bodies", f"b{number:05d}.kal"), "wb") as f:
                f.write(data_file(contour, density, division))
        failures = check_reference(os.path.abspath(args.kalo), folder, bodies, simple, args.jobs)
        failures += check_invariants(os.path.abspath(args.kalo), folder, simple_bodies[:20], rng)
        failures += check_convergence(os.path.abspath(args.kalo), folder, simple_bodies)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    for failure in failures[:50]:
        print(failure)
    print(f"{args.count} bodies (seed {args.seed}): {len(failures)} disagreements")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
