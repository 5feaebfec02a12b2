#!/usr/bin/env python3
"""The passages table (tests/data/cases/passages.tsv) through sorvanta-lookup:
gaps, ranges across chapters, the reasons for not finding, character
references, markers that are not tags, Strong's numbers.

Usage: cli_passages_test.py SORVANTA_LOOKUP DATA_DIR
"""
import os
import re
import subprocess
import sys
import unittest

from cases import read_cases

NOT_FOUND = "Искомый отрывок не найден\n"
NO_BOOK = "Нету книг c таким сокращением или не выбран модуль\n"


class PassagesThroughTheTool(unittest.TestCase):
    def test_every_case(self):
        for case in read_cases(DATA, "passages.tsv"):
            args = [TOOL, "--directory", os.path.join(DATA, "refs"), "--module-index", case["module"]]
            for option in re.split(r" (?=--)", case["options"]) if case["options"] else []:
                # "--format quoted": the name, then the value; "--template=a b" is one
                args += [option] if "=" in option.split(" ")[0] else option.split(" ", 1)
            result = subprocess.run(args + [case["typed"]], capture_output=True, timeout=60)
            found = case["outcome"] == "found"
            messages = {"found": "", "no-book": NO_BOOK + NOT_FOUND, "not-found": NOT_FOUND}[case["outcome"]]
            if case["reason"]:
                messages += case["reason"] + "\n"
            expected = (0 if found else 1, case["quotation"] + "\n" if found else "", messages)
            self.assertEqual((result.returncode, result.stdout.decode(), result.stderr.decode()), expected,
                             case["where"])

    def test_a_template_without_the_text_is_refused_and_a_long_one_is_used(self):
        root = ["--directory", os.path.join(DATA, "refs")]
        refused = subprocess.run([TOOL] + root + ["--template", "{ссылка} {книга}", "Быт 1:1"], capture_output=True)
        self.assertEqual((refused.returncode, refused.stdout), (2, b""))
        self.assertIn("{текст}", refused.stderr.decode())
        huge = "{" * 100000 + "{текст}"  # an argument may not be much longer on Linux
        used = subprocess.run([TOOL] + root + ["--template", huge, "Быт 1:1"], capture_output=True, timeout=60)
        self.assertEqual((used.returncode, used.stdout.decode()), (0, huge.replace("{текст}", "Один") + "\n"))


if __name__ == "__main__":
    TOOL, DATA = sys.argv[1], sys.argv[2]
    del sys.argv[1:3]
    unittest.main(verbosity=1)
