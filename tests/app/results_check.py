#!/usr/bin/env python3
"""Reads the outputs of kalo with Python's own json and csv modules and compares them.

json REPORT.txt RESULTS.json
    every value of the JSON file equals the value of the full results report (written
    with six significant digits) in the same order.
csv TABLE.csv FILE=RESULTS.json... FILE=...
    the table has one row per file in this order; good files carry the values of their
    JSON file (summed without the split by element, so to 1e-13), damaged ones (no JSON
    file named) a message and no values.
"""
import csv
import json
import math
import sys


def fail(text):
    print(text, file=sys.stderr)
    sys.exit(1)


def close(a, b, relative, absolute=1e-300):
    return math.isclose(a, b, rel_tol=relative, abs_tol=absolute)


def report_values(path):
    """The values after the 'ALLE ERGEBNISSE' heading: label, symbol, unit, value by tabs."""
    with open(path, encoding="cp850", newline="") as f:
        lines = f.read().split("\r\n")
    start = lines.index("ALLE ERGEBNISSE")
    values = []
    for line in lines[start:]:
        fields = line.split("\t")
        if len(fields) == 4:
            values.append(float(fields[3].replace(",", ".")))
    return values


def json_values(document):
    values = []
    for group in ("input", "section", "solid"):
        values.extend(document[group].values())
    return values + document["element_Jx_kgm2"]


def check_json(report, results):
    with open(results, encoding="utf-8") as f:
        document = json.load(f)
    if document["schema_version"] != 1 or document["ok"] is not True:
        fail("schema or ok wrong")
    shown, full = report_values(report), json_values(document)
    if len(shown) != len(full):
        fail(f"{len(shown)} report values, {len(full)} JSON values")
    for index, (a, b) in enumerate(zip(shown, full)):
        if not close(a, b, 6e-6):
            fail(f"value {index}: report {a}, JSON {b}")


def check_csv(table, expected_rows):
    """expected_rows: 'file=results.json' for a good file, 'file=' for a damaged one."""
    with open(table, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f))
    expected = [entry.split("=", 1) for entry in expected_rows]
    if [row["file"] for row in rows] != [name for name, _ in expected]:
        fail(f"rows {[row['file'] for row in rows]}")
    for row, (name, results) in zip(rows, expected):
        if not results:
            if not row["message"] or any(row[key] for key in ("A_mm2", "m_kg", "Jx_kgm2")):
                fail(f"{name}: damaged row {row}")
            continue
        with open(results, encoding="utf-8") as f:
            document = json.load(f)
        values = {**document["section"], **document["solid"]}
        for key in ("A_mm2", "V_mm3", "m_kg", "Jx_kgm2", "xm_mm", "Jy_centre_kgm2", "surface_mm2"):
            # A centre of mass at x = 0 comes out as rounding noise on either side.
            if not close(float(row[key]), values[key], 1e-13, 1e-15):
                fail(f"{name} {key}: table {row[key]}, JSON {values[key]}")
        if int(row["elements"]) != document["input"]["elements"]:
            fail(f"{name}: elements")
        if row["drawing_name"] != document["drawing"]["name"]:
            fail(f"{name}: drawing name {row['drawing_name']!r}")


def main(argv):
    if argv[0] == "json":
        check_json(argv[1], argv[2])
    else:
        check_csv(argv[1], argv[2:])


if __name__ == "__main__":
    main(sys.argv[1:])
