#!/usr/bin/env python3
"""Prints which folders of src/ each folder includes from, as a Markdown table for the
README's layout section: python3 tools/folder_dependencies.py"""
import collections
import pathlib
import re

source = pathlib.Path(__file__).resolve().parent.parent / "src"
uses = collections.defaultdict(set)
for path in source.rglob("*"):
    if path.suffix not in (".h", ".cpp"):
        continue
    folder = path.relative_to(source).parts[0]
    for used in re.findall(r'#include "([a-z_]+)/', path.read_text(errors="replace")):
        if used != folder:
            uses[folder].add(used)
folders = sorted({p.name for p in source.iterdir() if p.is_dir()})
print("| folder | includes from |")
print("|---|---|")
for folder in sorted(folders, key=lambda f: (len(uses[f]), f)):
    print(f"| `{folder}` | {', '.join(sorted(uses[folder])) or '–'} |")
