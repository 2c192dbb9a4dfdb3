#!/usr/bin/env python3
"""Checks that the libraries form layers.

Reads the manifest the build writes (layers.txt: name|layer|folder|recurse|deps)
and fails, naming the fault, when
- the libraries depend on each other in a cycle,
- a library depends on one of a higher layer (platform < logic < windows),
- a top-level folder is not one band of the layer order: a library of
  another folder stands above some of its libraries and below others (the
  platform/ folders count as one folder),
- a logic library links Qt Widgets, directly or through another library,
- a source file includes a header of a library its own does not depend on
  (directly or indirectly), or a header no library owns,
- the message program contains the main frame.

Usage: check_layers.py <layers.txt> <source dir> <Pivra binary>
"""
import os
import re
import subprocess
import sys

LAYERS = {"platform": 0, "logic": 1, "windows": 2}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def read_manifest(path):
    libraries = {}
    with open(path) as manifest:
        for line in manifest:
            line = line.strip()
            if not line:
                continue
            name, layer, folder, recurse, deps = line.split("|")
            libraries[name] = {
                "layer": layer,
                "folder": folder,
                "recurse": recurse.upper() in ("TRUE", "ON", "1"),
                "deps": [d for d in deps.split(",") if d and d != "NOTFOUND"],
            }
    return libraries


def find_cycle(libraries):
    state = {}
    stack = []

    def visit(name):
        state[name] = "open"
        stack.append(name)
        for dep in libraries[name]["deps"]:
            if dep not in libraries:
                continue
            if state.get(dep) == "open":
                return stack[stack.index(dep):] + [dep]
            if dep not in state:
                found = visit(dep)
                if found:
                    return found
        stack.pop()
        state[name] = "done"
        return None

    for name in sorted(libraries):
        if name not in state:
            found = visit(name)
            if found:
                return found
    return None


def closure(libraries, name, memo):
    if name in memo:
        return memo[name]
    reached = set()
    for dep in libraries[name]["deps"]:
        if dep in libraries:
            reached.add(dep)
            reached |= closure(libraries, dep, memo)
    memo[name] = reached
    return reached


def top_folder(lib):
    return lib["folder"].split("/")[0]


def split_folders(libraries, memo):
    """Each folder whose libraries are separated in the layer order by
    libraries of other folders, with those libraries."""
    split = {}
    for name, lib in libraries.items():
        folder = top_folder(lib)
        for between in closure(libraries, name, memo):
            if top_folder(libraries[between]) == folder:
                continue
            if any(top_folder(libraries[below]) == folder for below in closure(libraries, between, memo)):
                split.setdefault(folder, set()).add(between)
    return split


def owner_of(header_dir, libraries):
    """The library that owns a folder: the one of that folder, else the
    nearest enclosing library built with RECURSE."""
    best = None
    for name, lib in libraries.items():
        folder = lib["folder"]
        if header_dir == folder:
            return name
        if lib["recurse"] and header_dir.startswith(folder + "/"):
            if best is None or len(folder) > len(libraries[best]["folder"]):
                best = name
    return best


def files_of(name, libraries, source_dir):
    root = os.path.join(source_dir, libraries[name]["folder"])
    for folder, subfolders, files in os.walk(root):
        relative = os.path.relpath(folder, source_dir)
        if owner_of(relative, libraries) != name:
            subfolders[:] = []
            continue
        for file in files:
            if file.endswith((".h", ".cpp")):
                yield os.path.join(folder, file)


def main():
    manifest, source_dir, pivra = sys.argv[1:4]
    libraries = read_manifest(manifest)
    faults = []

    cycle = find_cycle(libraries)
    if cycle:
        faults.append("library cycle: " + " -> ".join(cycle))

    memo = {}
    for name, lib in sorted(libraries.items()):
        for dep in lib["deps"]:
            if dep in libraries and LAYERS[libraries[dep]["layer"]] > LAYERS[lib["layer"]]:
                faults.append(f"{name} ({lib['layer']}) depends on {dep} ({libraries[dep]['layer']})")
        if lib["layer"] == "logic" and not cycle:
            linked = [n for n in {name} | closure(libraries, name, memo) if "Qt6::Widgets" in libraries[n]["deps"]]
            if linked:
                faults.append(f"logic library {name} links Qt Widgets through {', '.join(sorted(linked))}")

    if not cycle:
        for folder, between in sorted(split_folders(libraries, memo).items()):
            faults.append(f"folder {folder}/ is not one band of the layer order: "
                          + ", ".join(f"{b} ({libraries[b]['folder']})" for b in sorted(between))
                          + " of other folders stand above some of its libraries and below others")
        for name in sorted(libraries):
            allowed = {name} | closure(libraries, name, memo)
            for path in files_of(name, libraries, source_dir):
                with open(path, encoding="utf-8") as source:
                    text = source.read()
                for header in INCLUDE.findall(text):
                    if header.startswith("tests/") or "/" not in header:
                        continue
                    owner = owner_of(os.path.dirname(header), libraries)
                    where = os.path.relpath(path, source_dir)
                    if owner is None:
                        faults.append(f"{where} includes {header}, which no library owns")
                    elif owner not in allowed:
                        faults.append(f"{where} ({name}) includes {header} of {owner}, which {name} does not depend on")

    symbols = subprocess.run(["nm", "-C", pivra], capture_output=True, text=True, check=True).stdout
    if "vl::MainFrame" in symbols:
        faults.append("Pivra contains the main frame (vl::MainFrame)")

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
