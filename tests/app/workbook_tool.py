"""Workbooks for the spreadsheet tests, read and changed by openpyxl.

dump BOOK OUT        every row of the first sheet, cells joined by tabs, into OUT (UTF-8)
numbers BOOK OUT     as dump, each number cell written as its full value, "@" and its number format
set BOOK CELL TEXT   the cell set to TEXT (a number when TEXT is one) and the book saved
make BOOK TEXT       a new book with TEXT in A1
"""
import sys

import openpyxl


def text(value):
    if value is None:
        return ""
    if isinstance(value, float) and value.is_integer():
        return str(int(value))
    return str(value)


def main(command, book, *rest):
    if command == "dump":
        sheet = openpyxl.load_workbook(book).worksheets[0]
        with open(rest[0], "w", encoding="utf-8", newline="\n") as out:
            for row in sheet.iter_rows(values_only=True):
                out.write("\t".join(text(v) for v in row) + "\n")
    elif command == "numbers":
        sheet = openpyxl.load_workbook(book).worksheets[0]
        with open(rest[0], "w", encoding="utf-8", newline="\n") as out:
            for row in sheet.iter_rows():
                out.write("\t".join(f"{c.value!r}@{c.number_format}" if isinstance(c.value, (int, float))
                                    else text(c.value) for c in row) + "\n")
    elif command == "set":
        workbook = openpyxl.load_workbook(book)
        cell, value = rest
        try:
            value = float(value)
        except ValueError:
            pass
        workbook.worksheets[0][cell] = value
        workbook.save(book)
    elif command == "make":
        workbook = openpyxl.Workbook()
        workbook.active["A1"] = rest[0]
        workbook.save(book)
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main(*sys.argv[1:])
