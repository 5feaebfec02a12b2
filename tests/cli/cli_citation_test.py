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
            (["--format", "quoted", "Кн 1:1-3"], "«Alpha\r\n2 Beta\r\n3 Gamma» (Кн 1:1-3)\n".encode()),
            (["--format=reference-last", "--no-verse-numbers", "--join", "Кн 1"],
             "Глава 1 Alpha Beta Gamma (Кн 1)\n".encode()),
            (["--join", "Кн 2:1-2"], "Кн 2:1-2. Delta 2 Epsilon\n".encode()),
            (["--encoding", "cp1251", "--format", "quoted", "Кн 1:1"], "«Alpha» (Кн 1:1)\n".encode("cp1251")),
            (["--html", "Кн 2:1-2"], '<meta charset="utf-8"><b>Кн 2:1-2</b>. Delta<br><sup>2</sup> Epsilon\n'.encode()),
            (["--html", "--format", "quoted", "--no-verse-numbers", "Кн 1:2-3"],
             '<meta charset="utf-8">«Beta<br>Gamma» (<b>Кн 1:2-3</b>)\n'.encode()),
        ]
        for args, expected in cases:
            result = self.lookup(args)
            self.assertEqual((result.returncode, result.stdout, result.stderr), (0, expected, b""), args)

    def test_the_default_format_is_the_plain_quotation(self):
        stdin = "Кн 1:1\r\n Кн 2 \nКн 9\nКн 1:2-3\n".encode()
        plain = self.lookup(["--null"], stdin)
        named = self.lookup(["--null", "--format", "reference-first"], stdin)
        self.assertEqual((named.returncode, named.stdout, named.stderr), (plain.returncode, plain.stdout, plain.stderr))
        self.assertEqual(plain.stdout.split(b"\0")[1], " Кн 2 . Глава 2\r\n1 Delta\r\n2 Epsilon".encode())

    def test_html_keeps_batch_records_aligned(self):
        result = self.lookup(["--html", "--null"], "Кн 9\nКн 1:1\n".encode())
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout.decode().split("\0"), ["", '<meta charset="utf-8"><b>Кн 1:1</b>. Alpha', ""])

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

    def test_help_names_the_formats(self):
        help_text = run(["--help"]).stdout.decode()
        for word in ["--format", "reference-first", "reference-last", "quoted", "--no-verse-numbers", "--join",
                     "--html"]:
            self.assertIn(word, help_text)


if __name__ == "__main__":
    TOOL, DATA = sys.argv[1], sys.argv[2]
    ROOT = DATA + "/root"
    unittest.main(argv=sys.argv[:1], verbosity=2)
