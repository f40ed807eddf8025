#!/usr/bin/env python3
"""Fails when product code reads (or changes) the process environment anywhere but in
platform/Environment.cpp, the one place that reads it.

    scripts/environment-check.py [ROOT]

Every .cpp and .h of the product folders (the layer table of ROOT's README.md) is read with its
comments left out; string literals stay, so a read of /proc/self/environ is found too. Found are
the C and POSIX calls (getenv, secure_getenv, setenv, unsetenv, putenv, clearenv, environ), Qt's
(qgetenv, qputenv, qunsetenv, qEnvironmentVariable*, QProcessEnvironment) and std::getenv.
Exit status 0 when there is none elsewhere, 1 otherwise (each one named with its line).
"""
import os
import re
import sys

from product_code import product_folders, strip_code

ALLOWED = {os.path.join("platform", "Environment.cpp")}

FORMS = re.compile(
    r"\b(?:__)?(?:secure_)?getenv\b|\bq(?:get|put|unset)env\b|\bqEnvironmentVariable\w*"
    r"|\bQProcessEnvironment\b|\b(?:__)?environ\b|\b(?:set|unset|put|clear)env\b"
    r"|/proc/(?:self|\d+)/environ")


def findings(root):
    found = []
    for folder in product_folders(root):
        for base, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                rel = os.path.relpath(os.path.join(base, name), root)
                if not name.endswith((".cpp", ".h")) or rel in ALLOWED:
                    continue
                with open(os.path.join(root, rel), encoding="utf-8", errors="replace") as f:
                    code = strip_code(f.read(), comments_only=True)
                for number, line in enumerate(code.splitlines(), 1):
                    if FORMS.search(line):
                        found.append(f"{rel}:{number}: {line.strip()}")
    return sorted(found)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    found = findings(os.path.normpath(root))
    for line in found:
        print(line)
    if found:
        print("the environment is read in platform/Environment.cpp only (platform/Environment.h)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
