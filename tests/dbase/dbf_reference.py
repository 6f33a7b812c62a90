#!/usr/bin/python3
"""Independent reading and writing of dBase tables and HTML pages for the table engine's tests.

dump TABLE OUT     every record read by dbfread, one line each: "R" or "D" (deleted), then the
                   values, all separated by tabs, UTF-8
make TABLE [memo]  a table written by the dbf package: name C(12), dichte N(8,3), menge N(5,0),
                   aktiv L, datum D (and notiz M with memo); records Stahl, Messing, Grauguß,
                   the second marked as deleted
html PAGE OUT      the page parsed by html.parser: "charset <value>", then one line per table
                   row with its cells separated by tabs, UTF-8
"""
import sys
from html.parser import HTMLParser


def value_text(value):
    if value is None:
        return ""
    if value is True:
        return "T"
    if value is False:
        return "F"
    if hasattr(value, "strftime"):
        return value.strftime("%Y%m%d")
    return str(value)


def dump(table, out):
    import dbfread
    t = dbfread.DBF(table, encoding="cp1252", char_decode_errors="strict")
    with open(out, "w", encoding="utf-8") as f:
        f.write("\t".join(t.field_names) + "\n")
        for kind, records in (("R", t.records), ("D", t.deleted)):
            for record in records:
                f.write(kind + "\t" + "\t".join(value_text(v) for v in record.values()) + "\n")


def make(table, memo):
    import datetime
    import dbf
    fields = "name C(12); dichte N(8,3); menge N(5,0); aktiv L; datum D" + ("; notiz M" if memo else "")
    t = dbf.Table(table, fields, codepage="cp1252", dbf_type="db3")
    t.open(mode=dbf.READ_WRITE)
    rows = [("Stahl", 7.85, 12, True, datetime.date(2026, 12, 7)),
            ("Messing", 8.4, 3, False, datetime.date(2025, 1, 31)),
            ("Grauguß", 7.25, 0, True, None)]
    for row in rows:
        t.append(row + (("lange Notiz über " + row[0],) if memo else ()))
    dbf.delete(t[1])
    t.close()


class Rows(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.charset = ""
        self.rows = []
        self.cell = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "meta":
            content = attrs.get("content") or ""
            if "charset=" in content:
                self.charset = content.split("charset=")[1]
            self.charset = attrs.get("charset", self.charset)
        elif tag == "tr":
            self.rows.append([])
        elif tag == "td":
            self.cell = ""

    def handle_endtag(self, tag):
        if tag == "td" and self.cell is not None:
            self.rows[-1].append(self.cell)
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data


def html(page, out):
    with open(page, "rb") as f:
        raw = f.read()
    parser = Rows()
    parser.feed(raw.decode("ascii", errors="replace"))
    charset = parser.charset or "ascii"
    parser = Rows()
    parser.feed(raw.decode(charset))
    with open(out, "w", encoding="utf-8") as f:
        f.write("charset " + parser.charset + "\n")
        for row in parser.rows:
            f.write("\t".join(row) + "\n")


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "dump":
        dump(sys.argv[2], sys.argv[3])
    elif command == "make":
        make(sys.argv[2], len(sys.argv) > 3)
    elif command == "html":
        html(sys.argv[2], sys.argv[3])
