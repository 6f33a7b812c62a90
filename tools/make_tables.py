#!/usr/bin/env python3
"""Writes the dBase tables that KALO ships into data/: the material base table wst1base.dbf
(from its source data/wst1base.csv, sources in data/wst1base-README.md) and the print
settings table printout.dbf.

The program reads the material table by field position: 1 key (material number), 2 name,
3 group, 4-7 integers (Rm, Re/Rp0.2 in MPa, A in %, HB), 8-10 reals (E in GPa, thermal
expansion in 1e-6/K, thermal conductivity in W/(m K)), 11 density in kg/dm3, 12-13 texts.
Texts are stored in the Windows code page 1252. An empty cell stays an empty field.
Run it after changing the CSV: python3 tools/make_tables.py
"""
import csv
import pathlib

import dbf

DATA = pathlib.Path(__file__).resolve().parent.parent / "data"
# The header's date of last change, fixed so that the same source gives the same bytes.
TABLE_DATE = (2024, 1, 1)

MATERIAL_FIELDS = [
    ("WNR", "C", 9, 0),
    ("NAME", "C", 18, 0),
    ("GRUPPE", "C", 9, 0),
    ("RM", "N", 5, 0),
    ("RE", "N", 5, 0),
    ("A", "N", 3, 0),
    ("HB", "N", 4, 0),
    ("EMODUL", "N", 7, 1),
    ("ALPHA", "N", 5, 1),
    ("LAMBDA", "N", 7, 2),
    ("DICHTE", "N", 6, 3),
    ("NORM", "C", 35, 0),
    ("VERWENDUNG", "C", 35, 0),
]

PRINTOUT_FIELDS = [
    ("name", "C", 25, 0),
    ("xscale", "N", 10, 4),
    ("yscale", "N", 10, 4),
    ("xorigin", "N", 6, 0),
    ("yorigin", "N", 6, 0),
    ("landscape", "L", 1, 0),
    ("monochrom", "L", 1, 0),
    ("variable", "L", 1, 0),
    ("borderline", "L", 1, 0),
]

PRINTOUT_RECORDS = [
    ("A4 Hochformat ganze Seite", 1, 1, 0, 0, False, False, True, False),
    ("A4 Querformat", 1, 1, 0, 0, True, False, True, True),
    ("Halber Maßstab", 0.5, 0.5, 0, 0, False, True, False, True),
]


def spec(fields):
    parts = []
    for name, kind, width, decimals in fields:
        if kind == "C":
            parts.append(f"{name} C({width})")
        elif kind == "N":
            parts.append(f"{name} N({width},{decimals})")
        else:
            parts.append(f"{name} {kind}")
    return "; ".join(parts)


def value(field, text):
    """The cell as the field takes it: None for an empty cell, checked against the width."""
    name, kind, width, decimals = field
    text = text.strip()
    if kind == "C":
        if len(text) > width:
            raise ValueError(f"{name}: '{text}' is longer than {width} characters")
        return text
    if not text:
        return None
    number = float(text)
    if len(f"{number:.{decimals}f}") > width:
        raise ValueError(f"{name}: {text} does not fit {width} places")
    return int(number) if decimals == 0 else number


def write_table(path, fields, records):
    path.unlink(missing_ok=True)
    table = dbf.Table(str(path), spec(fields), codepage="cp1252", dbf_type="db3")
    table.open(dbf.READ_WRITE)
    for record in records:
        table.append(tuple(record))
    table.close()
    fix_header(path, fields)


def fix_header(path, fields):
    """The fixed date of last change, and the field names exactly as written above."""
    data = bytearray(path.read_bytes())
    data[1:4] = bytes((TABLE_DATE[0] - 1900, TABLE_DATE[1], TABLE_DATE[2]))
    for n, (name, *_rest) in enumerate(fields):
        offset = 32 + 32 * n
        data[offset:offset + 11] = name.encode("ascii").ljust(11, b"\0")
    path.write_bytes(bytes(data))


def material_records():
    with open(DATA / "wst1base.csv", newline="", encoding="utf-8") as source:
        rows = list(csv.reader(source))
    header, rows = rows[0], rows[1:]
    if header != [name for name, *_rest in MATERIAL_FIELDS]:
        raise ValueError(f"wst1base.csv: the columns must be {[f[0] for f in MATERIAL_FIELDS]}")
    keys = set()
    for number, row in enumerate(rows, start=2):
        if len(row) != len(MATERIAL_FIELDS):
            raise ValueError(f"wst1base.csv line {number}: {len(row)} cells")
        if row[0] in keys:
            raise ValueError(f"wst1base.csv line {number}: key {row[0]} twice")
        keys.add(row[0])
        yield [value(field, cell) for field, cell in zip(MATERIAL_FIELDS, row)]


def main():
    write_table(DATA / "wst1base.dbf", MATERIAL_FIELDS, list(material_records()))
    write_table(DATA / "printout.dbf", PRINTOUT_FIELDS, PRINTOUT_RECORDS)


if __name__ == "__main__":
    main()
