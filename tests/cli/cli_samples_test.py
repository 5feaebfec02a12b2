#!/usr/bin/env python3
"""sorvanta-lookup on the sample modules built from whole Bibles: thousands of
single verses, ranges and chapters, typed with English and Russian book
abbreviations in any letter case and in the reference forms users type, each
compared byte for byte with the text the sample generator put into the book.

Usage: cli_samples_test.py SORVANTA_LOOKUP SAMPLES_DIR
"""
import os
import random
import sys
import unittest

from cases import main, run

SAMPLES = sys.argv[2]

# Book abbreviations by book number, read from the modules' own ini files.
MODULES = {"kjv": 0, "web": 1}
WHITE_SPACE = " \t\n\v\f\r"


def read_abbreviations(module):
    with open(os.path.join(SAMPLES, "modules", module, "orvanel.ini"), "rb") as ini:
        lines = ini.read().decode("cp1251").splitlines()
    books = [line.split("=", 1)[1].split() for line in lines if line.startswith("ShortName =")]
    first_book = 0 if module == "kjv" else 39
    return {first_book + i: names for i, names in enumerate(books)}


def read_expected(module):
    """{book: {chapter: {verse: text}}} with the text as it reads in code page 1251."""
    books = {}
    with open(os.path.join(SAMPLES, "expected", module + ".tsv"), encoding="utf-8") as expected:
        for line in expected:
            book, chapter, verse, text = line.rstrip("\n").split("\t")
            text = text.encode("cp1251", errors="replace").decode("cp1251")
            books.setdefault(int(book), {}).setdefault(int(chapter), {})[int(verse)] = text
    return books


def passage(verses, first, last):
    """The cleaned text of verses first..last: the first number removed, the others kept."""
    parts = [verses[first]] + [f"{number} {verses[number]}" for number in range(first + 1, last + 1)]
    return "\r\n".join(parts).rstrip(WHITE_SPACE)


def make_cases(rng, abbreviations, books, count):
    """[(typed reference, expected quotation or "" for not found)]."""
    cases = []
    for _ in range(count):
        number = rng.choice(sorted(books))
        chapter = rng.choice(sorted(books[number]))
        verses = books[number][chapter]
        verse = rng.choice(sorted(verses))
        last = rng.randint(verse, max(verses))
        name = rng.choice(abbreviations[number])
        book = rng.choice([name, name.upper(), name.lower()])
        forms = [
            ("{b} {c}:{v}", verses[verse]), ("{b}{c}:{v}", verses[verse]), ("{b} {c},{v}", verses[verse]),
            ("{b} {c} {v}", verses[verse]), ("  {b} {c}:{v} ", verses[verse]),
            ("{b} {c}:{v}-{l}", passage(verses, verse, last)), ("{b} {c}:{v} - {l}", passage(verses, verse, last)),
            ("{b} {c}.{v}-{l}", passage(verses, verse, last)),
            ("{b} {c}", "\r\n".join([f"Chapter {chapter}"] + [f"{v} {t}" for v, t in sorted(verses.items())])),
            (f"{{b}} {max(books[number]) + 1}", None), ("{b} {c}:0", None), ("{b} 0:1", None),
            ("{b} {c}:{v}-{v}", None), ("Xyz {c}:{v}", None), (f"{{b}} {{c}}:{max(verses) + 1}", None),
        ]
        form, text = rng.choice(forms)
        if not verses[verse] or ("{l}" in form and last == verse):
            continue  # an empty verse quotes its bare number; a range needs two verses
        typed = form.format(b=book, c=chapter, v=verse, l=last)
        cases.append((typed, typed + ". " + text.rstrip(WHITE_SPACE) if text is not None else ""))
    return cases


class SampleModules(unittest.TestCase):
    def check_module(self, module, count, seed):
        rng = random.Random(seed)
        cases = make_cases(rng, read_abbreviations(module), read_expected(module), count)
        stdin = "".join(typed + "\n" for typed, _ in cases).encode()
        result = run(["--directory", os.path.join(SAMPLES, "modules"), "--module-index", str(MODULES[module]), "--null"],
                     stdin)
        records = result.stdout.decode().split("\0")
        self.assertEqual(len(records), len(cases) + 1)
        mismatches = [(typed, expected, got) for (typed, expected), got in zip(cases, records) if got != expected]
        self.assertEqual(mismatches[:3], [])
        self.assertEqual(result.returncode, 0 if all(expected for _, expected in cases) else 1)

    def test_kjv(self):
        self.check_module("kjv", 3000, 1)

    def test_web_new_testament(self):
        self.check_module("web", 1500, 2)


if __name__ == "__main__":
    main()
