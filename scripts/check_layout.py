#!/usr/bin/env python3
"""Checks the virtual-table layout of every interface that crosses to the workstation.

Clang compiles the boundary headers twice, for the Windows platform compiler's target
(x86_64-pc-windows-msvc) and for the Itanium layout of GCC and mingw-w64 (x86_64-linux-gnu), and
dumps the table index of every virtual operation. Each index must equal the slot listed in
tests/layout/boundary_slots.def, slot 0 must be the destructor where the list says so, and no
interface may have an operation that the list does not name.

Usage: check_layout.py [--clang clang++] [--root DIR]; exits 1 on any difference.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

TARGETS = {
    "platform compiler (x86_64-pc-windows-msvc)": "x86_64-pc-windows-msvc",
    "Itanium (x86_64-linux-gnu)": "x86_64-linux-gnu",
}
ROW = re.compile(r"^BOUNDARY_(SLOT|DESTRUCTOR)\((\w+)(?:,\s*(\w+),\s*(\d+))?\)")
SECTION = re.compile(r"^(?:VFTable|VTable) indices for '(\w+)'")
ENTRY = re.compile(r"^\s+(\d+) \| .*?(\w+)::(~?\w+)\(")


def read_list(path):
    """Returns {class: {operation: slot}}; a destructor is recorded as operation '~'."""
    listed = {}
    with open(path) as f:
        for line in f:
            m = ROW.match(line.strip())
            if not m:
                continue
            kind, cls, op, slot = m.groups()
            ops = listed.setdefault(cls, {})
            if kind == "DESTRUCTOR":
                ops["~"] = 0
            else:
                ops[op] = int(slot)
    return listed


def dump(clang, root, target, cls, ops):
    """Returns {operation: index} of class `cls` as clang lays its table out for `target`."""
    with tempfile.TemporaryDirectory() as tmp:
        # Freestanding headers only: two shims stand in for the C++ names of the C headers.
        shims = os.path.join(tmp, "shims")
        os.mkdir(shims)
        for name, header in (("cstdint", "stdint.h"), ("cstddef", "stddef.h")):
            with open(os.path.join(shims, name), "w") as f:
                f.write(f"#include <{header}>\n")
        # Taking a member pointer makes clang lay out, and dump, the class's table. One class a
        # translation unit: a base laid out for a derived class first is not dumped again.
        source = os.path.join(tmp, "layout.cpp")
        op = next(o for o in ops if o != "~")
        with open(source, "w") as f:
            f.write('#include "tests/layout/boundary_headers.h"\n'
                    "void vq318_keep(const void*);\n"
                    f"void vq318_touch() {{ auto m = &{cls}::{op}; vq318_keep(&m); }}\n")
        command = [clang, f"--target={target}", "-std=c++20", "-ffreestanding", "-fexceptions",
                   "-fcxx-exceptions", "-isystem", shims, "-I", root, "-Xclang",
                   "-fdump-vtable-layouts", "-c", "-o", os.devnull, source]
        result = subprocess.run(command, capture_output=True, text=True)
        if result.returncode != 0:
            sys.exit(f"check_layout: clang failed for {cls} on {target}:\n{result.stderr}")
    found = None
    current = None
    for line in result.stdout.splitlines():
        m = SECTION.match(line)
        if m:
            current = {} if m.group(1) == cls else None
            if current is not None:
                found = current
            continue
        m = ENTRY.match(line)
        if m and current is not None:
            index, _, name = m.groups()
            if name.startswith("~") or name == "DeletingDestructor":
                name = "~"
            if name in current:
                # Overloads take slots in an order of the compiler's own choosing.
                sys.exit(f"check_layout: {cls}::{name} is overloaded on {target}")
            current[name] = int(index)
        elif not line.strip():
            current = None
    return found


def compare(listed, found):
    errors = []
    for cls, ops in sorted(listed.items()):
        actual = found[cls]
        if actual is None:
            errors.append(f"{cls}: no table in the dump")
            continue
        for op, slot in sorted(ops.items(), key=lambda item: item[1]):
            name = "destructor" if op == "~" else op
            if op not in actual:
                errors.append(f"{cls}::{name}: listed at slot {slot}, not in the table")
            elif actual[op] != slot:
                errors.append(f"{cls}::{name}: listed at slot {slot}, laid out at {actual[op]}")
        for op, index in sorted(actual.items(), key=lambda item: item[1]):
            if op not in ops:
                name = "destructor" if op == "~" else op
                errors.append(f"{cls}::{name}: laid out at {index}, not listed")
    return errors


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--clang", default="clang++")
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    args = parser.parse_args()
    listed = read_list(os.path.join(args.root, "tests", "layout", "boundary_slots.def"))
    failed = False
    for label, target in TARGETS.items():
        found = {cls: dump(args.clang, args.root, target, cls, ops) for cls, ops in listed.items()}
        errors = compare(listed, found)
        count = sum(len(ops) for ops in listed.values())
        if errors:
            failed = True
            print(f"FAIL {label}: {len(errors)} of {count} slots differ")
            for error in errors:
                print(f"    {error}")
        else:
            print(f"PASS {label}: {len(listed)} interfaces, {count} slots as listed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
