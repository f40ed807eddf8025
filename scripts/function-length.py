#!/usr/bin/env python3
"""Lists the functions of the product code whose body is longer than a limit (default 60 lines).

    scripts/function-length.py [--limit N] [--expect PATH]... [ROOT]

A body's length is the line of its closing brace minus that of its opening brace, as clang-tidy's
readability-function-size counts it (LineThreshold). Every .cpp and .h under the product folders
of ROOT (default: the folder above this script), those of the layer table in its README.md, is
read; tests/ is not product code. Lambdas
count toward the function they are written in; a table of data (an initialiser) is no function.

Exit status: 0 when no function is too long; 1 otherwise. `--expect PATH` names a file that is
known to still hold long functions (work in progress elsewhere): its offenders are listed but
do not fail the check, and the check fails when such a file has none left, so the expectation
is removed as soon as it is no longer needed.
"""
import argparse
import os
import re
import sys

from product_code import product_folders, strip_code

# What may follow the parameter list of a function before its body.
FUNCTION_TAIL = re.compile(
    r"\)\s*(?:const|noexcept(?:\s*\([^()]*\))?|override|final|mutable|&&|&|\s)*"
    r"(?:->\s*[\w:<>,\s*&]+)?$")
CTOR_INIT = re.compile(r"\)\s*(?:noexcept\s*)?:\s*[\w:]")
TYPE_HEAD = re.compile(r"\b(?:class|struct|union|enum)\b")
IDENT_CHAR = re.compile(r"[\w>]")


def matching_brace(code, open_at):
    depth = 0
    for k in range(open_at, len(code)):
        if code[k] == "{":
            depth += 1
        elif code[k] == "}":
            depth -= 1
            if depth == 0:
                return k
    return len(code) - 1


def long_functions(code, limit):
    """(line, name, body lines) of every function whose body is longer than `limit`."""
    found = []
    head_start = 0
    i = 0
    while i < len(code):
        c = code[i]
        if c in ";}":
            head_start = i + 1
        elif c == "{":
            head = code[head_start:i].strip()
            before = code[head_start:i].rstrip()
            if CTOR_INIT.search(head) and before and IDENT_CHAR.match(before[-1]):
                i = matching_brace(code, i) + 1  # a member initialiser: name{value}
                continue
            if head.startswith("namespace") or head.startswith("extern") or (
                    TYPE_HEAD.search(head) and not FUNCTION_TAIL.search(head)):
                head_start = i + 1  # look inside namespaces and classes
            else:
                end = matching_brace(code, i)
                if FUNCTION_TAIL.search(head) or CTOR_INIT.search(head):
                    body = code.count("\n", i, end)
                    if body > limit:
                        name = re.findall(r"([~\w:]+|operator\S+)\s*\(", head.split("=")[0])
                        name = name or re.findall(r"(\w+)\s*=", head)
                        line = code.count("\n", 0, head_start + len(code[head_start:i]) -
                                          len(code[head_start:i].lstrip())) + 1
                        found.append((line, name[0] if name else "?", body))
                i = end
                head_start = end + 1
        i += 1
    return found


def product_files(root):
    for folder in product_folders(root):
        for base, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if name.endswith((".cpp", ".h")):
                    yield os.path.join(base, name)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root", nargs="?",
                        default=os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    parser.add_argument("--limit", type=int, default=60)
    parser.add_argument("--expect", action="append", default=[])
    args = parser.parse_args()
    root = os.path.normpath(args.root)

    offending = set()
    failed = False
    for path in sorted(product_files(root)):
        rel = os.path.relpath(path, root)
        with open(path, encoding="utf-8", errors="replace") as f:
            code = strip_code(f.read())
        for line, name, body in long_functions(code, args.limit):
            offending.add(rel)
            note = " (expected)" if rel in args.expect else ""
            print(f"{rel}:{line}: {name} has {body} lines (limit {args.limit}){note}")
            failed = failed or not note
    for rel in args.expect:
        if rel not in offending:
            print(f"{rel}: no function over {args.limit} lines any more; drop --expect {rel}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
