#!/usr/bin/python3
"""Reads a DXF file with ezdxf as another CAD program would and fails on audit errors and on
layer names that CAD programs refuse.

usage: dxf_audit.py DRAWING.dxf
"""
import sys

import ezdxf
from ezdxf.lldxf.validator import is_valid_layer_name


def refused(name):
    return not name or not is_valid_layer_name(name) or "|" in name or any(ord(c) < 32 for c in name)


def main():
    doc = ezdxf.readfile(sys.argv[1])
    problems = [error.message for error in doc.audit().errors]
    problems += [f"layer name {layer.dxf.name!r}" for layer in doc.layers if refused(layer.dxf.name)]
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
