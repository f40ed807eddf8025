#!/usr/bin/env python3
"""Checks the names of every product source against the rule of .clang-tidy (clang-tidy's
readability-identifier-naming only), one clang-tidy per source file, as many at a time as there
are processors. Fails on any finding. The product's folders are those of the layer table in
README.md; a header is checked where a product source includes it (.clang-tidy's header filter
takes every header read through a layer's include root).

usage: naming-check.py SOURCE_DIR BUILD_DIR
BUILD_DIR holds the build's compile_commands.json, so every file is read as the build reads it.
"""
import concurrent.futures
import json
import re
import os
import shutil
import subprocess
import sys
import time

from product_code import product_folders


def product_sources(source_dir, build_dir):
    """The product's .cpp files the build compiles (tests and generated files left out)."""
    entries = json.load(open(os.path.join(build_dir, "compile_commands.json"), encoding="utf-8"))
    folders = set(product_folders(source_dir))
    files = set()
    for entry in entries:
        path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
        relative = os.path.relpath(path, source_dir)
        if relative.endswith(".cpp") and relative.split(os.sep)[0] in folders:
            files.add(relative)
    return sorted(files)


def check(source_dir, build_dir, relative):
    run = subprocess.run(["clang-tidy", "--quiet", "-p", build_dir, relative], cwd=source_dir,
                         capture_output=True, text=True, check=False)
    # A header is read through a layer's include root (<build>/layers/<target>/<folder>): named
    # by its place in the source tree, a header's finding shows once, not once per includer.
    layers = re.compile(re.escape(os.path.join(build_dir, "layers")) + r"/[^/]+/")
    findings = [layers.sub(source_dir + "/", line) for line in run.stdout.splitlines()
                if "readability-identifier-naming" in line]
    return relative, run.returncode, findings, run.stdout + run.stderr


def main():
    source_dir, build_dir = (os.path.realpath(a) for a in sys.argv[1:3])
    if shutil.which("clang-tidy") is None:
        sys.exit("clang-tidy not found (scripts/deps.sh test installs it)")
    files = product_sources(source_dir, build_dir)
    if not files:
        sys.exit("no product sources in compile_commands.json")
    start = time.monotonic()
    failed = 0
    seen = set()
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        jobs = [pool.submit(check, source_dir, build_dir, f) for f in files]
        for job in jobs:
            relative, code, findings, output = job.result()
            if code != 0 and not findings:
                print(f"{relative}: clang-tidy failed:\n{output}")
                failed += 1
            for line in findings:
                if line not in seen:
                    seen.add(line)
                    print(line)
    print(f"{len(files)} files, {len(seen)} findings, {time.monotonic() - start:.0f} s")
    sys.exit(1 if seen or failed else 0)


if __name__ == "__main__":
    main()
