#!/usr/bin/env python3
"""Citation formats and HTML output of sorvanta-lookup on small hand-written modules.

Usage: cli_citation_test.py SORVANTA_LOOKUP DATA_DIR
"""
import subprocess
import sys
import unittest

TOOL = None
ROOT = None


def run(args, stdin=b""):
    return subprocess.run([TOOL] + args, input=stdin, capture_output=True, timeout=60)


class CitationOptions(unittest.TestCase):
    def lookup(self, args, stdin=b""):
        return run(["--directory", ROOT] + args, stdin)

    def test_formats_and_switches(self):
        cases = [
            (["--format", "reference-first", "Кн 2:1-2"], "Кн 2:1-2. Delta\r\n2 Epsilon\n".encode()),
            (["--format", "quoted", "Кн 1:1-3"], "«Alpha\r\n2 Beta\r\n3 Gamma» (Кн 1:1-3)\n".encode()),
            (["--format=reference-last", "--no-verse-numbers", "--join", "Кн 1"],
             "Глава 1 Alpha Beta Gamma (Кн 1)\n".encode()),
            (["--html", "--format", "quoted", "Кн 2:1-2"],
             '<meta charset="utf-8">«Delta<br><sup>2</sup> Epsilon» (<b>Кн 2:1-2</b>)\n'.encode()),
        ]
        for args, expected in cases:
            result = self.lookup(args)
            self.assertEqual((result.returncode, result.stdout, result.stderr), (0, expected, b""), args)

    def test_usage_errors_exit_2(self):
        cases = [
            (["--format", "short", "Кн 1"], 'not "short"'),
            (["--format"], "needs a value"),
            (["--join=yes", "Кн 1"], "takes no value"),
            (["--html", "--encoding", "cp1251", "Кн 1"], "excludes --encoding cp1251"),
        ]
        for args, message in cases:
            result = self.lookup(args)
            self.assertEqual((result.returncode, result.stdout), (2, b""), args)
            self.assertIn(message, result.stderr.decode(), args)


if __name__ == "__main__":
    TOOL, DATA = sys.argv[1], sys.argv[2]
    ROOT = DATA + "/root"
    unittest.main(argv=sys.argv[:1], verbosity=2)
