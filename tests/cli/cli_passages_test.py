#!/usr/bin/env python3
"""The passages table (tests/data/cases/passages.tsv) through sorvanta-lookup:
gaps, ranges across chapters, the reasons for not finding, character
references, markers that are not tags, Strong's numbers; and the searches
table (find.tsv) through its --find.

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


def tool_args(case):
    """The tool, the case's module of tests/data/refs and its options."""
    args = [TOOL, "--directory", os.path.join(DATA, "refs"), "--module-index", case["module"]]
    for option in re.split(r" (?=--)", case["options"]) if case["options"] else []:
        # "--format quoted": the name, then the value; "--template=a b" is one
        args += [option] if "=" in option.split(" ")[0] else option.split(" ", 1)
    return args


class PassagesThroughTheTool(unittest.TestCase):
    def test_every_case(self):
        for case in read_cases(DATA, "passages.tsv"):
            args = tool_args(case)
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


class SearchesThroughTheTool(unittest.TestCase):
    def test_every_case(self):
        """Each verse found is printed as the lookup of its reference prints it."""
        for case in read_cases(DATA, "find.tsv"):
            found = subprocess.run(tool_args(case) + ["--find", case["typed"]], capture_output=True, timeout=60)
            if case["verses"] == "none":
                messages = NOT_FOUND + (case["message"] + "\n" if case["message"] else "")
                self.assertEqual((found.returncode, found.stdout.decode(), found.stderr.decode()), (1, "", messages),
                                 case["where"])
                continue
            references = case["verses"].split("; ")
            looked_up = subprocess.run(tool_args(case) + references, capture_output=True, timeout=60)
            self.assertEqual((found.returncode, looked_up.returncode, found.stdout, found.stderr),
                             (0, 0, looked_up.stdout, b""), case["where"])

    def test_ten_thousand_words_are_refused(self):
        result = subprocess.run([TOOL, "--directory", os.path.join(DATA, "refs"), "--find"] + ["слово"] * 10000,
                                capture_output=True, timeout=60)
        self.assertEqual((result.returncode, result.stdout, result.stderr.decode()),
                         (1, b"", NOT_FOUND + "Слов для поиска больше 100.\n"))


if __name__ == "__main__":
    TOOL, DATA = sys.argv[1], sys.argv[2]
    del sys.argv[1:3]
    unittest.main(verbosity=1)
