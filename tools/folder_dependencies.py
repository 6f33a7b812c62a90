#!/usr/bin/env python3
"""The folders of src/ in layers: a folder includes only from folders listed before it.

  python3 tools/folder_dependencies.py            prints the layers as the README shows them
  python3 tools/folder_dependencies.py --check    fails on an include against the order, on a
                                                  folder missing from it, and on a README whose
                                                  layers are not the ones printed
"""
import collections
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

# Lowest first. Each folder may include from the folders before it, never from those after it,
# so the folders can never include each other in a cycle.
LAYERS = [
    ("base services", ["messages", "numbers", "platform", "lang", "geometry"]),
    ("the program's state", ["model", "context"]),
    ("shared services", ["graphics", "dialogs", "output", "help"]),
    ("subsystems", ["calc", "config", "dbase", "material", "report", "print", "datafile", "doc",
                    "dxf", "cad", "views", "edit", "office", "solid", "demo"]),
    ("entry and windows", ["app", "qt"]),
]
ORDER = [folder for _, folders in LAYERS for folder in folders]
README_BEGIN = "<!-- layers: tools/folder_dependencies.py -->"
README_END = "<!-- end of layers -->"


def layer_rank(folder):
    """A folder's place in the order; folders in no layer come last."""
    return ORDER.index(folder) if folder in ORDER else len(ORDER)


def includes_between_folders(source):
    """(folder, included folder) → the files of the folder that include from it."""
    uses = collections.defaultdict(set)
    for path in sorted(source.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.relative_to(source).parts[0]
        for used in re.findall(r'#include "([a-z_]+)/', path.read_text(errors="replace")):
            if used != folder:
                uses[(folder, used)].add(str(path.relative_to(source)))
    return uses


def folders_of(source):
    return sorted(p.name for p in source.iterdir() if p.is_dir())


def faults(source):
    rank = {folder: i for i, folder in enumerate(ORDER)}
    found = [f"folder {f} is in no layer" for f in folders_of(source) if f not in rank]
    found += [f"layer folder {f} does not exist" for f in ORDER if f not in folders_of(source)]
    for (folder, used), files in sorted(includes_between_folders(source).items()):
        if folder in rank and used in rank and rank[used] > rank[folder]:
            found.append(f"{folder} includes from {used}, which comes after it: {', '.join(sorted(files))}")
    return found


def layers_markdown(source):
    uses = collections.defaultdict(set)
    for folder, used in includes_between_folders(source):
        uses[folder].add(used)
    lines = ["| layer | folder | includes from |", "|---|---|---|"]
    for layer, folders in LAYERS:
        for folder in folders:
            lines.append(f"| {layer} | `{folder}` | {', '.join(sorted(uses[folder], key=layer_rank)) or '–'} |")
    return "\n".join(lines)


def readme_layers(readme):
    text = readme.read_text()
    if README_BEGIN not in text or README_END not in text:
        return None
    inner = text.split(README_BEGIN, 1)[1].split(README_END, 1)[0]
    return "\n".join(line.strip() for line in inner.strip().splitlines())


def main(arguments):
    source = pathlib.Path(arguments[arguments.index("--source") + 1]) if "--source" in arguments else ROOT / "src"
    if "--check" not in arguments:
        print(layers_markdown(source))
        return 0
    found = faults(source)
    if "--source" not in arguments and readme_layers(ROOT / "README.md") != layers_markdown(source):
        found.append("the README's layers differ from: python3 tools/folder_dependencies.py")
    for fault in found:
        print(fault, file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
