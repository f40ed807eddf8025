#!/usr/bin/env python3
"""The checks over product code find what they claim, in a made-up source tree: every folder
of the README's layer table is covered (a new folder too, with no list to update), every form
of reading the environment is found outside platform/Environment.cpp and none in a comment, and
the test-hook check fails on a program that holds a variable only the test build reads.

    test_checks.py SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.path.realpath(sys.argv.pop(1) if len(sys.argv) > 1 else ".")
SCRIPTS = os.path.join(SOURCE, "scripts")
sys.path.insert(0, SCRIPTS)
import product_code  # noqa: E402

README = """# Tree

| Folder (target) | May use |
|---|---|
| `platform/` (hm_platform) | nothing |
| `core/`, `core/sub/` (hm_core) | platform |
| Qt: `newlayer/` (hm_newlayer) | core |

After the table: `elsewhere/` is no layer.
"""


def write(root, relative, text):
    path = os.path.join(root, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def run(script, *args):
    return subprocess.run([sys.executable, os.path.join(SCRIPTS, script), *args],
                          capture_output=True, text=True, check=False)


class Tree(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.root = self.dir.name
        write(self.root, "README.md", README)
        for folder in ("platform", "core/sub", "newlayer", "elsewhere"):
            os.makedirs(os.path.join(self.root, folder))

    def tearDown(self):
        self.dir.cleanup()


class ProductFolders(Tree):
    def test_folders_come_from_the_layer_table_only(self):
        self.assertEqual(product_code.product_folders(self.root),
                         ["core", "newlayer", "platform"])

    def test_a_missing_table_or_folder_is_an_error_not_an_empty_check(self):
        os.rmdir(os.path.join(self.root, "newlayer"))
        with self.assertRaises(ValueError):
            product_code.product_folders(self.root)
        write(self.root, "README.md", "# No table\n")
        with self.assertRaises(ValueError):
            product_code.product_folders(self.root)


class FunctionLength(Tree):
    def test_a_long_function_in_a_new_layer_is_found(self):
        body = "\n".join("    ++n;" for _ in range(61))
        write(self.root, "newlayer/Long.cpp", "int f() {\n    int n = 0;\n" + body + "\n}\n")
        write(self.root, "elsewhere/Long.cpp", "int g() {\n" + body + "\n}\n")
        result = run("function-length.py", self.root)
        self.assertEqual(result.returncode, 1)
        self.assertIn("newlayer/Long.cpp", result.stdout)
        self.assertNotIn("elsewhere", result.stdout)


class Environment(Tree):
    READS = [
        'const char* v = std::getenv("HOME");',
        'const char* v = getenv("HOME");',
        'const char* v = secure_getenv("HOME");',
        'QByteArray v = qgetenv("HOME");',
        'QString v = qEnvironmentVariable("HOME");',
        'bool v = qEnvironmentVariableIsEmpty("DISPLAY");',
        'int v = qEnvironmentVariableIntValue("N");',
        'auto v = QProcessEnvironment::systemEnvironment();',
        'char** v = environ;',
        'qputenv("QT_QPA_PLATFORM", "offscreen");',
        'setenv("A", "b", 1);',
        'unsetenv("A");',
        'std::ifstream v("/proc/self/environ");',
    ]

    def test_every_form_is_found_outside_the_one_place(self):
        for i, line in enumerate(self.READS):
            write(self.root, f"core/sub/Read{i}.cpp", f"void f() {{\n    {line}\n}}\n")
        write(self.root, "platform/Environment.cpp", 'const char* v = std::getenv("HOME");\n')
        result = run("environment-check.py", self.root)
        self.assertEqual(result.returncode, 1)
        for i in range(len(self.READS)):
            self.assertIn(f"core/sub/Read{i}.cpp:2:", result.stdout, self.READS[i])
        self.assertNotIn("platform/Environment.cpp:", result.stdout)

    def test_words_in_comments_and_texts_are_no_reads(self):
        write(self.root, "core/Quiet.cpp",
              '// getenv() is not called here; /* nor qgetenv */\n'
              'const char* kText = "the environment, setenvironment";\n'
              'int environment = 0;  // a name that only starts like environ\n'
              'const char* kUrl = "postgresql://host"; int getenvironment = 1;\n')
        result = run("environment-check.py", self.root)
        self.assertEqual(result.returncode, 0, result.stdout)


class TestHooks(unittest.TestCase):
    def test_a_variable_only_the_test_build_reads_fails_the_product(self):
        with tempfile.TemporaryDirectory() as work:
            clean = os.path.join(work, "clean")
            leaky = os.path.join(work, "leaky")
            write(work, "clean", "HAULMETRY_PORTS HAULMETRY_SETTINGS HAULMETRY_DEVICE_DIR\n")
            write(work, "leaky", "HAULMETRY_PORTS\nprint to HAULMETRY_PRINT_FILE\n")
            script = os.path.join(SOURCE, "tests", "support", "no_test_hooks.sh")
            ok = subprocess.run(["bash", script, clean], capture_output=True, text=True)
            self.assertEqual(ok.returncode, 0, ok.stderr)
            bad = subprocess.run(["bash", script, leaky], capture_output=True, text=True)
            self.assertEqual(bad.returncode, 1)
            self.assertIn("HAULMETRY_PRINT_FILE", bad.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=1)
